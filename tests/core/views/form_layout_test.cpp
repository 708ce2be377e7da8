// The layouts of the two summary forms against their fills: a fill that writes a control the
// layout lacks would be passed over in silence by the Qt form, and an id placed twice would leave
// one of its two controls never written.
#include "core/model/flowmar_doc.h"
#include "core/model/units.h"
#include "core/views/form_id.h"
#include "core/views/form_layout.h"
#include "core/views/form_results.h"
#include "support/summary_models.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace flowmar {
namespace {

// Every id the layout registers a control under, with how many times it does.
std::map<int, int> placedIds(const FormLayout& layout) {
    std::map<int, int> placed;
    const auto place = [&placed](int id) {
        if (id != 0) {
            ++placed[id];
        }
    };
    for (const FormLayout::Group& group : layout.groups) {
        for (const FormLayout::Row& row : group.rows) {
            for (const FormLayout::Label& label : row.caption) {
                place(label.id);
            }
            place(row.box);
            if (row.after) {
                place(row.after->id);
            }
        }
        if (group.zones) {
            for (const FormLayout::ZoneColumn& column : group.zones->columns) {
                place(column.head);
                std::ranges::for_each(column.boxes, place);
                if (!column.afterText.empty()) {
                    std::ranges::for_each(column.afterIds, place);
                }
            }
            place(group.zones->activeBox);
        }
    }
    return placed;
}

struct FormCase {
    const char* name;
    FormLayout (*layout)();
    FormFill (*firstFill)(const CFlowmarDoc& doc);
    std::string_view statusText;
};

const FormCase kForms[] = {
    {"SummaryOfInput", formIdLayout,
     [](const CFlowmarDoc& doc) {
         FormIdState state;
         return formIdInitialUpdate(doc, state);
     },
     input_form::kStatusText},
    {"SummaryOfResults", formResultsLayout,
     [](const CFlowmarDoc& doc) {
         FormResultsState state;
         return formResultsInitialUpdate(doc, state);
     },
     results_form::kStatusText},
};

struct ModelCase {
    const char* why;
    CFlowmarDoc (*model)();
};

const ModelCase kModels[] = {
    {"a new model: the zeros and NO of a form without results", [] { return CFlowmarDoc(); }},
    {"one fan: every value box", testing::solvedFanModel},
    {"zones shown: the zone table", testing::solvedZonedModel},
    {"fixed quantity: NA in the fan or iteration boxes", testing::solvedFixedQuantityModel},
    {"Imperial: the x 10^-10 labels shown",
     [] {
         CFlowmarDoc doc = testing::solvedZonedModel();
         doc.unitSystem = kImperial;
         return doc;
     }},
};

class FormLayoutOf : public ::testing::TestWithParam<FormCase> {};

TEST_P(FormLayoutOf, PlacesEveryControlItsFillsWriteExactlyOnce) {
    const FormLayout layout = GetParam().layout();
    const std::map<int, int> placed = placedIds(layout);
    for (const auto& [id, times] : placed) {
        EXPECT_EQ(times, 1) << "control " << id;
    }
    for (const ModelCase& model : kModels) {
        SCOPED_TRACE(model.why);
        const FormFill fill = GetParam().firstFill(model.model());
        EXPECT_FALSE(fill.texts.empty());
        for (const ControlText& written : fill.texts) {
            EXPECT_TRUE(placed.contains(written.id)) << "text of control " << written.id;
        }
        for (const ControlVisibility& shown : fill.visibility) {
            EXPECT_TRUE(placed.contains(shown.id)) << "visibility of control " << shown.id;
        }
    }
}

TEST_P(FormLayoutOf, GivesEachGroupItsOwnCellAndEveryZoneColumnAHead) {
    const FormLayout layout = GetParam().layout();
    EXPECT_EQ(layout.statusText, GetParam().statusText);
    std::vector<std::pair<int, int>> cells;
    for (const FormLayout::Group& group : layout.groups) {
        EXPECT_FALSE(group.title.empty());
        EXPECT_NE(group.rows.empty(), !group.zones.has_value()) << group.title;
        for (int column = group.column; column < group.column + group.columnSpan; ++column) {
            const std::pair cell{group.row, column};
            EXPECT_EQ(std::ranges::count(cells, cell), 0) << group.title << " overlaps a group";
            cells.push_back(cell);
        }
        for (const FormLayout::Row& row : group.rows) {
            EXPECT_FALSE(row.caption.empty()) << group.title << ": box " << row.box;
        }
        if (group.zones) {
            for (const FormLayout::ZoneColumn& column : group.zones->columns) {
                EXPECT_NE(column.head, 0);
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(SummaryForms, FormLayoutOf, ::testing::ValuesIn(kForms),
                         [](const ::testing::TestParamInfo<FormCase>& param) {
                             return std::string(param.param.name);
                         });

} // namespace
} // namespace flowmar

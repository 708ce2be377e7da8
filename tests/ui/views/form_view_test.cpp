// What both summary forms share, checked on each: they show exactly what the core computed on
// every example and after every change, their texts fit, each caption sits beside its box, Tab
// visits the zone boxes in the form's order, and a small window scrolls. What only one form shows
// is tested in form_id_view_test.cpp and form_results_view_test.cpp.
#include "core/commands/execute_command.h"
#include "core/model/flowmar_doc.h"
#include "core/model/units.h"
#include "core/views/form_id.h"
#include "core/views/form_results.h"
#include "support/example_models.h"
#include "support/fake_ui_port.h"
#include "support/form_checks.h"
#include "ui/views/form_id_view.h"
#include "ui/views/form_results_view.h"

#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <memory>
#include <ostream>
#include <string>
#include <tuple>

namespace flowmar {
namespace {

using testing::expectShowsFill;
using testing::openExample;

// One summary form: how to open it, what the core fills it with, and how its frame knows it.
struct FormViewCase {
    const char* name;
    std::unique_ptr<FormView> (*open)(CFlowmarDoc& doc);
    FormLayout (*layout)();
    FormFill (*firstFill)(const CFlowmarDoc& doc); // a new view's fill
    FormFill (*laterFill)(const CFlowmarDoc& doc); // after a change of a model with results
    int templateId;
    const char* statusCaption;
    int firstZoneBox;        // zone 1's box in the first column
    int tabFromFirstZoneBox; // the box Tab goes to from there
    friend void PrintTo(const FormViewCase& c, std::ostream* os) { *os << c.name; }
};

std::unique_ptr<FormView> openInput(CFlowmarDoc& doc) {
    return std::make_unique<CFormID>(doc);
}
FormFill inputFirstFill(const CFlowmarDoc& doc) {
    FormIdState state;
    return formIdInitialUpdate(doc, state);
}
FormFill inputLaterFill(const CFlowmarDoc& doc) {
    FormIdState state;
    return formIdUpdate(doc, state);
}

std::unique_ptr<FormView> openResults(CFlowmarDoc& doc) {
    return std::make_unique<CFormResults>(doc);
}
FormFill resultsFirstFill(const CFlowmarDoc& doc) {
    FormResultsState state;
    return formResultsInitialUpdate(doc, state);
}
FormFill resultsLaterFill(const CFlowmarDoc& doc) {
    FormResultsState state;
    return formResultsUpdate(doc, state);
}

const FormViewCase kSummaryOfInput{"SummaryOfInput",
                                   openInput,
                                   formIdLayout,
                                   inputFirstFill,
                                   inputLaterFill,
                                   103,
                                   "Summary of Input Data",
                                   input_form::kZoneStartBoxes[0],
                                   input_form::kZoneEndBoxes[0]};

const FormViewCase kSummaryOfResults{"SummaryOfResults",
                                     openResults,
                                     formResultsLayout,
                                     resultsFirstFill,
                                     resultsLaterFill,
                                     107,
                                     "Summary of Results",
                                     results_form::kZoneAreaBoxes[0],
                                     results_form::kZoneAreaBoxes[1]};

std::string caseName(const FormViewCase& c) {
    return c.name;
}

class FormViewOf : public ::testing::TestWithParam<FormViewCase> {};

TEST_P(FormViewOf, TellsItsFrameItsTemplateCaptionAndPortraitPage) {
    CFlowmarDoc doc;
    const auto view = GetParam().open(doc);
    EXPECT_EQ(view->templateId(), GetParam().templateId);
    EXPECT_EQ(view->statusCaption().toStdString(), GetParam().statusCaption);
    EXPECT_TRUE(view->canPrint());
    EXPECT_TRUE(view->portrait());
}

TEST_P(FormViewOf, NewModelShowsTheFirstFill) {
    CFlowmarDoc doc; // never executed: no results
    const auto view = GetParam().open(doc);
    expectShowsFill(*view, GetParam().firstFill(doc));
}

TEST_P(FormViewOf, FollowsEveryChangeOfTheModel) {
    CFlowmarDoc doc;
    ASSERT_NO_FATAL_FAILURE(openExample("zones-and-losses.dct", doc));
    const auto view = GetParam().open(doc);

    doc.unitSystem = kImperial; // labels and values change; no Execute needed
    doc.updateAllViews();
    expectShowsFill(*view, GetParam().laterFill(doc));

    doc.ductDiameter = 1.2;
    doc.zonesOff = 1;
    testing::FakeUiPort port;
    ASSERT_TRUE(Execute(doc, port));
    expectShowsFill(*view, GetParam().laterFill(doc));
}

// Each caption ends left of its box on the same line, and each text after a box starts right of
// it: the geometry a person reads as "this label names that box".
TEST_P(FormViewOf, PutsEachCaptionBesideItsBoxAndEachZoneHeadAboveItsColumn) {
    CFlowmarDoc doc;
    ASSERT_NO_FATAL_FAILURE(openExample("imperial.dct", doc)); // every "x 10^-10" shown
    const auto view = GetParam().open(doc);
    view->resize(1600, 1200);
    view->show();
    QApplication::processEvents();
    const auto at = [&view](int id) {
        QWidget* control = view->control(id);
        EXPECT_NE(control, nullptr) << "control " << id;
        return control == nullptr
                   ? QRect()
                   : QRect(control->mapTo(view.get(), QPoint(0, 0)), control->size());
    };
    const auto beside = [](const QRect& left, const QRect& right) {
        return left.right() < right.left() && left.top() < right.bottom() &&
               right.top() < left.bottom();
    };
    for (const FormLayout::Group& group : GetParam().layout().groups) {
        for (const FormLayout::Row& row : group.rows) {
            const QRect box = at(row.box);
            for (const FormLayout::Label& label : row.caption) {
                if (label.id != 0) {
                    EXPECT_TRUE(beside(at(label.id), box)) << "label " << label.id;
                }
            }
            if (row.after && row.after->id != 0 && view->control(row.after->id)->isVisible()) {
                EXPECT_TRUE(beside(box, at(row.after->id))) << "after " << row.after->id;
            }
        }
        if (!group.zones) {
            continue;
        }
        for (const FormLayout::ZoneColumn& column : group.zones->columns) {
            QRect above = at(column.head);
            for (std::size_t zone = 0; zone < column.boxes.size(); ++zone) {
                const QRect box = at(column.boxes[zone]);
                EXPECT_LT(above.bottom(), box.top()) << "zone box " << column.boxes[zone];
                const QRect head = at(column.head);
                EXPECT_TRUE(head.left() <= box.right() && box.left() <= head.right())
                    << "zone box " << column.boxes[zone] << " under its head";
                if (!column.afterText.empty()) {
                    EXPECT_TRUE(beside(box, at(column.afterIds[zone])));
                }
                above = box;
            }
        }
    }
}

// Tab from the first zone's first box goes along the zone's row on one form and down the column
// on the other, as each form has always done.
TEST_P(FormViewOf, TabVisitsTheZoneBoxesInTheFormsOrder) {
    CFlowmarDoc doc;
    const auto view = GetParam().open(doc);
    QWidget* next = view->control(GetParam().firstZoneBox);
    ASSERT_NE(next, nullptr);
    do {
        next = next->nextInFocusChain();
    } while (qobject_cast<QLineEdit*>(next) == nullptr);
    EXPECT_EQ(next, view->control(GetParam().tabFromFirstZoneBox));
}

TEST_P(FormViewOf, ScrollsOnlyWhenTheWindowIsSmallerThanTheForm) {
    CFlowmarDoc doc;
    ASSERT_NO_FATAL_FAILURE(openExample("zones-and-losses.dct", doc));
    const auto view = GetParam().open(doc);
    view->resize(200, 150);
    view->show();
    QApplication::processEvents();
    const auto* scroller = view->findChild<QScrollArea*>();
    ASSERT_NE(scroller, nullptr);
    EXPECT_GT(scroller->verticalScrollBar()->maximum(), 0);
    EXPECT_GT(scroller->horizontalScrollBar()->maximum(), 0);

    view->resize(1600, 1200);
    QApplication::processEvents();
    EXPECT_EQ(scroller->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(scroller->horizontalScrollBar()->maximum(), 0);
}

INSTANTIATE_TEST_SUITE_P(SummaryForms, FormViewOf,
                         ::testing::Values(kSummaryOfInput, kSummaryOfResults),
                         [](const auto& param) { return caseName(param.param); });

struct ExampleCase {
    const char* why;
    const char* file;
    friend void PrintTo(const ExampleCase& c, std::ostream* os) { *os << c.file << ": " << c.why; }
};

class FormViewOnExample : public ::testing::TestWithParam<std::tuple<FormViewCase, ExampleCase>> {};

TEST_P(FormViewOnExample, ShowsTheCoresTextsAndFitsThem) {
    const auto& [form, example] = GetParam();
    CFlowmarDoc doc;
    ASSERT_NO_FATAL_FAILURE(openExample(example.file, doc));
    const auto view = form.open(doc);
    expectShowsFill(*view, form.firstFill(doc));

    view->resize(1600, 1200);
    view->show();
    testing::expectTextsFit(*view);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, FormViewOnExample,
    ::testing::Combine(
        ::testing::Values(kSummaryOfInput, kSummaryOfResults),
        ::testing::Values(ExampleCase{"SI, one fan", "forcing-one-fan.dct"},
                          ExampleCase{"SI with three zones shown", "zones-and-losses.dct"},
                          ExampleCase{"Imperial: inches, x 10^-10 labels", "imperial.dct"},
                          ExampleCase{"fixed quantity: NA in the fan boxes, a booster pressure",
                                      "fixed-quantity-face.dct"},
                          ExampleCase{"fixed quantity at the fan end", "fixed-quantity-fan.dct"},
                          ExampleCase{"exhausting", "exhausting.dct"},
                          ExampleCase{"several boosters", "boosters.dct"})),
    [](const auto& param) {
        std::string name = caseName(std::get<0>(param.param)) + "_" + std::get<1>(param.param).file;
        std::ranges::replace_if(
            name, [](char c) { return !std::isalnum(c); }, '_');
        return name;
    });

} // namespace
} // namespace flowmar

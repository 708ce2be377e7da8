// The shell's questions answered where no person is: a modified document closes without being
// saved, and no file is chosen to save to or to open.
#pragma once

#include "ui/app/shell_questions.h"

#include <filesystem>
#include <optional>
#include <string_view>

namespace flowmar::testing {

class NoQuestions : public ShellQuestions {
public:
    SaveAnswer askSaveChanges(std::string_view) override { return SaveAnswer::Discard; }
    std::optional<std::filesystem::path> chooseSavePath(std::string_view,
                                                        std::string_view) override {
        return std::nullopt;
    }
    QString chooseOpenPath(const QString&) override { return {}; }
};

} // namespace flowmar::testing

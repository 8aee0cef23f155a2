#pragma once

#include "ground/Ports.h"

namespace zf {

// Message boxes, the input box and the file dialogs, over the active window.
class QtDialogs : public Dialogs {
public:
    void information(const std::string& text) override;
    void error(const std::string& text) override;
    bool askYesNo(const std::string& text, const std::string& caption) override;
    std::string inputBox(const std::string& caption, const std::string& prompt,
                         const std::string& defaultText) override;
    std::optional<std::string> openFileName(const FileFilter& filter) override;
    std::optional<std::string> saveFileName(const FileFilter& filter) override;
};

} // namespace zf

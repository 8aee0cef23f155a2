#pragma once

#include <string>
#include <vector>

namespace zf {

// The script selection dialog (ZKSForm) as the core sees it: the template
// and the four free parameters the automation program gets, and the
// templates the dialog lists.
struct ScriptForm {
    std::string script;                 // LabeledEdit1: full path of the template
    std::vector<std::string> templates; // its list: the templates in the "Script" folder
    std::string folder;                 // where browsing starts
    std::string zahl1 = "0";            // LabeledEdit2 "ZAHL1"
    std::string zahl2 = "0";            // LabeledEdit3 "ZAHL2"
    std::string text1 = "Login";        // LabeledEdit4 "TEXT1"
    std::string text2 = "Passwort";     // LabeledEdit5 "TEXT2"
};

} // namespace zf

#pragma once

#include <string>

// The launcher's error report: a message box with the caption "Error" and an
// OK button when a display is there to show it, standard error otherwise (a
// launcher started from a terminal or a script).
class ErrorBox {
public:
    static void Show(const std::string& message);

private:
    static bool HasDisplay();
    static void ShowDialog(const std::string& message);
};

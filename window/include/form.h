#pragma once

#include <memory>

namespace vexil {

class FormView;

// Before the form makes its first widget: the application's style and
// font are the form's, as it is the application's only window (a line
// edit lays out its empty text in the application's font as it is made).
void prepareApplication();

// The form: the window Vexil with every control in its state at start and
// its results computed.
std::unique_ptr<FormView> makeForm();

}  // namespace vexil

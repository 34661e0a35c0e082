#pragma once

#include <memory>

namespace vendrilo::gui {

class TForm1;
class TForm3;
class TForm6;
class TForm8;

// The program's windows, created in a fixed order: the main window first, then its dialogs.
// Each lives until the program ends.
struct Windows {
    std::unique_ptr<TForm1> form1;
    TForm3* form3 = nullptr; // owned by form1
    TForm6* form6 = nullptr;
    TForm8* form8 = nullptr;
};

Windows createWindows();

} // namespace vendrilo::gui

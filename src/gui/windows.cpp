#include "gui/windows.h"

#include "gui/dialogs.h"
#include "gui/tform1.h"

namespace vendrilo::gui {

Windows createWindows()
{
    Windows w;
    w.form1 = std::make_unique<TForm1>();
    w.form3 = new TForm3(w.form1.get());
    w.form6 = new TForm6(w.form1.get());
    w.form8 = new TForm8(w.form1.get());
    return w;
}

} // namespace vendrilo::gui

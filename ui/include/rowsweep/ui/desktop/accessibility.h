#pragma once

class QMessageBox;
class QString;

namespace rowsweep::ui {

// Tells assistive technology what the windows are beyond Qt's defaults:
// frames and a modal dialog instead of bare panes, a press action on the
// two links to the maker's page, and no stray objects for the separator
// lines or the About text's unused scroll bars. Needs the QApplication;
// calling it again does nothing.
void installAccessibility();

// Gives the icon of a message box a spoken name instead of leaving it an
// unnamed image.
void nameMessageBoxIcon(QMessageBox& box, const QString& name);

}  // namespace rowsweep::ui

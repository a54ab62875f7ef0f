#pragma once
// The pictures compiled into the program, found by name. Names are matched
// without regard to letter case ("FBMINmove" finds "fbMinMove").

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace qh {

// The picture of that name, or a null pixmap when there is none.
QPixmap LoadSkinBitmap(const QString& name);

// The program's icon in every size the resources hold.
QIcon ApplicationIcon();

} // namespace qh

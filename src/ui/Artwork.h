#pragma once

#include <QCursor>
#include <QImage>
#include <QIcon>
#include <QPixmap>
#include <QSize>

#include <array>

// Every picture the program shows is painted here at run time, so the program ships
// no image files. Painting needs a QGuiApplication (QPixmap and QCursor require one).
namespace halvex::ui {

class Artwork {
public:
    Artwork() = delete;

    // Menu numbers: 1 GDI, 2 Nod, 3 GDI and Nod, 4 Units, 5 Structures, 6 ION Storms,
    // 7 Tools, 8 Edit Source Code, 9 Run Tiberian Sun, 10 Weapons, 11 Stats Generator,
    // 12 Help. Each is 16 x 16 on a transparent ground; any other number gives a null
    // pixmap.
    static QPixmap menuPicture(int number);
    static constexpr int firstMenuPicture = 1;
    static constexpr int lastMenuPicture = 12;

    // The program's icon at the sizes desktops ask for, each painted at its own size
    // rather than scaled.
    static QIcon windowIcon();
    static constexpr std::array iconSizes = {16, 22, 24, 32, 48, 64, 128, 256};
    // The icon painted at any size (a square of `size` pixels); also what the install
    // puts into the desktop's icon theme.
    static QImage applicationIcon(int size);

    // Laid out for a 640 x 480 window; other sizes stretch the same scene. Painted
    // the same way every time. An empty size gives a null pixmap.
    static QPixmap background(QSize size);

    // 32 x 32, hot spot at (2, 2).
    static QCursor helpCursor();

    // 16 x 16, opaque, in the colour of the frameless tool windows (204, 204, 153).
    static QPixmap closeButton();
    static QPixmap helpButton();

    // 16 x 16 on a transparent ground: the value list's marks for a value to insert
    // and for an entry that opens something.
    static QPixmap valueMark();
    static QPixmap actionMark();
    // 16 x 16 on a transparent ground: the chat's mark of the room the user is in.
    static QPixmap roomMarker();
};

} // namespace halvex::ui

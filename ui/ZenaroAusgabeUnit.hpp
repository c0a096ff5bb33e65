// Module ZenaroAusgabeUnit: the window that shows the ephemeris text table of the
// last calculation, one coloured line per table line on a navy list. Its creation
// builds all lines; it has no buttons and no behaviour but showing and scrolling.
#pragma once

#include <QColor>
#include <QListWidget>
#include <QWidget>
#include <cstdint>

class QStyleOptionViewItem;

namespace zenaro {

// The line colours of the table window.
inline const QColor FarbeHintergrund{0, 0, 128};  // navy
inline const QColor FarbeWeiss{255, 255, 255};
inline const QColor FarbeGruen{0, 255, 0};   // best-time altitude above 10 degrees
inline const QColor FarbeGelb{255, 255, 0};  // 0 to 10 degrees
inline const QColor FarbeRot{255, 0, 0};     // below the horizon, or no best time

// The colour of a row line from the altitude at the best observing time.
QColor ZeilenFarbe(long double TOptHoehe);

// The owner-drawn list: one item per line with a fixed height; the item's colour
// lies in its Qt::ForegroundRole. The horizontal scroll extent is set from outside,
// as the list-box message for it does: the list scrolls over that many pixels
// (from the next layout on, which follows the drawing).
class TListBox final : public QListWidget {
    Q_OBJECT

public:
    explicit TListBox(QWidget* parent);

    static constexpr int ItemHoehe = 16;

    void HorizontalenUmfangSetzen(int umfang);
    int HorizontalerUmfang() const { return umfang_; }

private:
    int umfang_ = 0;
};

class TAusgabeForm final : public QWidget {
    Q_OBJECT

public:
    explicit TAusgabeForm(QWidget* Owner);

    TListBox* ListBox1;
    // The widest drawn line so far in pixels plus the margin; only grows.
    std::int32_t MaxBreite = 0;

    // Draws the item at the index: background, width check, text in its colour.
    void ListBox1DrawItem(QPainter& painter, const QStyleOptionViewItem& option, int index);

private:
    void FormCreate();
};

}  // namespace zenaro

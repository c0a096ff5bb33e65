// The ephemeris table window. The lines come from the ephemeris text table for the
// window; each carries the colour of its kind, rows the colour of their altitude at
// the best observing time.

#include "ui/ZenaroAusgabeUnit.hpp"

#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include "engine/ZenaroDef.hpp"
#include "ui/Ephemeridentext.hpp"
#include "ui/Plattform/Fenster.hpp"
#include "ui/Plattform/Zeichensatz.hpp"

namespace zenaro {

namespace {

// Hands the drawing of every item to the form's draw handler; every item has the
// fixed height of the list.
class TZeichner final : public QStyledItemDelegate {
public:
    explicit TZeichner(TAusgabeForm& form) : QStyledItemDelegate(form.ListBox1), form_(form) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        form_.ListBox1DrawItem(*painter, option, index.row());
    }

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
        return {form_.ListBox1->HorizontalerUmfang(), TListBox::ItemHoehe};
    }

private:
    TAusgabeForm& form_;
};

}  // namespace

QColor ZeilenFarbe(long double TOptHoehe) {
    if (TOptHoehe > 10.0L) return FarbeGruen;
    if (TOptHoehe >= 0.0L) return FarbeGelb;
    return FarbeRot;
}

TListBox::TListBox(QWidget* parent) : QListWidget(parent) {
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    QPalette p = palette();
    p.setColor(QPalette::Base, FarbeHintergrund);
    setPalette(p);
}

// Every item is as wide as the extent, so the list scrolls over exactly that
// width; the new layout follows once the drawing is done.
void TListBox::HorizontalenUmfangSetzen(int umfang) {
    umfang_ = umfang;
    scheduleDelayedItemsLayout();
}

TAusgabeForm::TAusgabeForm(QWidget* Owner) : QWidget(Owner, Qt::Window) {
    setObjectName("AusgabeForm");
    ListBox1 = new TListBox(this);
    ListBox1->setObjectName("ListBox1");
    QFont schrift("Liberation Mono");
    schrift.setPixelSize(11);
    ListBox1->setFont(schrift);
    ListBox1->setItemDelegate(new TZeichner(*this));
    auto* fuellung = new QVBoxLayout(this);
    fuellung->setContentsMargins(0, 0, 0, 0);
    fuellung->addWidget(ListBox1);
    if (Englisch) {
        resize(914, 447);
    } else {
        resize(962, 435);
        AufBildschirmZentrieren(*this);
    }
    FormCreate();
    show();
}

void TAusgabeForm::FormCreate() {
    const std::vector<TTextZeile> zeilen = Ephemeridentext(TAusgabeSenke::Fenster);
    if (AlleObjekteModus && !zeilen.empty())
        setWindowTitle(Win1252AlsQString(zeilen.front().Text));
    else
        setWindowTitle(Win1252AlsQString(Objekte[AktObjekt].Name.Text()));
    for (const TTextZeile& z : zeilen) {
        auto* item = new QListWidgetItem(Win1252AlsQString(z.Text));
        const QColor farbe =
            z.Art == TZeilenArt::Zeile ? ZeilenFarbe(Ephemeride[z.Nummer].TOptHoehe) : FarbeWeiss;
        item->setData(Qt::ForegroundRole, farbe);
        ListBox1->addItem(item);
    }
}

void TAusgabeForm::ListBox1DrawItem(QPainter& painter, const QStyleOptionViewItem& option,
                                    int index) {
    const QListWidgetItem* item = ListBox1->item(index);
    if (item == nullptr) return;
    const QRect& r = option.rect;
    const bool gewaehlt = option.state.testFlag(QStyle::State_Selected);
    // The item spans the visible width at least, as long as the extent is narrower.
    QRect fuellung = r;
    fuellung.setRight(std::max(r.right(), ListBox1->viewport()->width() - 1));
    painter.fillRect(
        fuellung, gewaehlt ? option.palette.brush(QPalette::Highlight) : QBrush(FarbeHintergrund));
    const QString text = item->text();
    const int w = QFontMetrics(ListBox1->font()).horizontalAdvance(text) + r.left() + 10;
    if (w > MaxBreite) {
        MaxBreite = w;
        ListBox1->HorizontalenUmfangSetzen(w);
    }
    painter.save();
    painter.setFont(ListBox1->font());
    painter.setPen(item->data(Qt::ForegroundRole).value<QColor>());
    painter.drawText(QRect(r.left() + 2, r.top(), std::max(w, r.width()), r.height()),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip, text);
    if (option.state.testFlag(QStyle::State_HasFocus)) {
        painter.setPen(QPen(FarbeWeiss, 1, Qt::DotLine));
        painter.drawRect(fuellung.adjusted(0, 0, -1, -1));
    }
    painter.restore();
}

}  // namespace zenaro

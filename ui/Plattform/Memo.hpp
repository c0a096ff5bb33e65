// The multi-line text control of the windows.
#pragma once

#include <QPlainTextEdit>

class QMimeData;

namespace zenaro {

// A multi-line text control that takes a paste or drop only when it brings data
// of some format. The window system's clipboard with nothing copied gives data
// without any format, and the installed window library reads the first format of
// such data without looking (Ctrl+V, Shift+Insert, a middle click, the context
// menu's paste); here that paste inserts nothing and the text stays as it was.
class TMemo final : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit TMemo(QWidget* eltern = nullptr);

protected:
    bool canInsertFromMimeData(const QMimeData* quelle) const override;
    void insertFromMimeData(const QMimeData* quelle) override;
};

}  // namespace zenaro

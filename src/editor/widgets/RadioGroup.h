#pragma once

// A row of radio buttons standing for one choice (an item index). It has no frame of its
// own: the editor puts its caption in the label column beside it, like a spin edit's.

#include <QList>
#include <QStringList>
#include <QWidget>

class QButtonGroup;
class QGridLayout;
class QRadioButton;

class TRadioGroup : public QWidget {
    Q_OBJECT
public:
    explicit TRadioGroup(QWidget* parent = nullptr);

    // Replaces the items; the buttons are kept when the count stays, so the choice stays.
    // columns 0 puts every item in one row.
    void setItems(const QStringList& items, int columns = 0);
    int count() const { return int(buttons_.size()); }
    // -1 when no item is chosen.
    int index() const;
    // Any index outside the items clears the choice.
    void setIndex(int i);
    QRadioButton* button(int i) const;
    void setItemEnabled(int i, bool enabled);
    // The name a screen reader reads for the group; each button reads it before its item
    // ("Speed: GPS"), since the group has no frame that would say it.
    void setAccessibleCaption(const QString& caption);

signals:
    // The user chose item i (never sent by setIndex).
    void clicked(int i);

private:
    void nameButtons();

    QButtonGroup* group_;
    QGridLayout* layout_;
    QList<QRadioButton*> buttons_;
    QString caption_;
};

#pragma once

#include <QListView>
#include <QStringList>

class QStringListModel;

// A list box that keeps a code beside every item: entry i of Codes() belongs to item i.
// Whoever adds or clears items does the same to the codes; the control never reorders them,
// so it is used unsorted.
class TCodeListBox : public QListView {
    Q_OBJECT
public:
    explicit TCodeListBox(QWidget *parent = nullptr);

    int count() const;
    QString ItemText(int index) const;

    QStringList &Codes() { return m_codes; }
    const QStringList &Codes() const { return m_codes; }
    void SetCodes(const QStringList &codes) { m_codes = codes; }

    // The codes of the selected items in list order, joined by blanks; empty when none is.
    QString GetSelectedCodes() const;
    // The first code equal to code, ignoring letter case; -1 when there is none.
    int IndexOfCode(const QString &code) const;
    // The first item that begins with prefix, the letters a to z compared without regard to
    // case and every other character as it is; -1 when there is none.
    int IndexOfPrefix(const QString &prefix) const;

    // The selected item, -1 for none. Setting it from code raises no Click.
    int ItemIndex() const;
    void SetItemIndex(int index);

    // Replaces items and codes together; raises no Click and leaves nothing selected.
    void Reload(QStringList items, QStringList codes);

signals:
    // The user changed the selection with the mouse or the keyboard.
    void Click();

private:
    QStringListModel *m_items;
    QStringList m_codes;
    bool m_selectingFromCode = false;
};

#include "ui/main/CodeListBox.h"

#include <QSignalBlocker>
#include <QStyledItemDelegate>

#include <algorithm>

namespace {

// Every item is one line of the window's font, 13 pixels high.
class FixedHeightDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return QSize(QStyledItemDelegate::sizeHint(option, index).width(), 13);
    }
};

} // namespace

TCodeListBox::TCodeListBox(QWidget *parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setItemDelegate(new FixedHeightDelegate(this));
    connect(this, &QListWidget::itemSelectionChanged, this, &TCodeListBox::Click);
}

QString TCodeListBox::GetSelectedCodes() const
{
    QList<int> rows;
    for (const QModelIndex &index : selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    QStringList codes;
    for (int row : rows)
        codes << m_codes.value(row);
    return codes.join(QLatin1Char(' '));
}

int TCodeListBox::IndexOfCode(const QString &code) const
{
    for (int i = 0; i < m_codes.size(); ++i) {
        if (m_codes.at(i).compare(code, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

static QChar foldAsciiLetter(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ? QChar(c.unicode() - ('a' - 'A')) : c;
}

int TCodeListBox::IndexOfPrefix(const QString &prefix) const
{
    const int n = prefix.size();
    for (int row = 0; row < count(); ++row) {
        const QString text = item(row)->text();
        if (text.size() < n)
            continue;
        int i = 0;
        while (i < n && foldAsciiLetter(text.at(i)) == foldAsciiLetter(prefix.at(i)))
            ++i;
        if (i == n)
            return row;
    }
    return -1;
}

int TCodeListBox::ItemIndex() const
{
    const QModelIndexList selected = selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void TCodeListBox::SetItemIndex(int index)
{
    const QSignalBlocker blocker(this);
    if (index < 0 || index >= count()) {
        clearSelection();
        setCurrentRow(-1);
        return;
    }
    setCurrentRow(index);
    scrollToItem(item(index));
}

void TCodeListBox::Reload(const QStringList &items, const QStringList &codes)
{
    const QSignalBlocker blocker(this);
    m_codes.clear();
    clear();
    m_codes = codes;
    addItems(items);
}

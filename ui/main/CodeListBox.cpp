#include "ui/main/CodeListBox.h"

#include <QStringListModel>
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

QChar foldAsciiLetter(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ? QChar(c.unicode() - ('a' - 'A')) : c;
}

bool beginsWith(const QString &text, const QString &prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (int i = 0; i < prefix.size(); ++i) {
        if (foldAsciiLetter(text.at(i)) != foldAsciiLetter(prefix.at(i)))
            return false;
    }
    return true;
}

} // namespace

TCodeListBox::TCodeListBox(QWidget *parent)
    : QListView(parent)
    , m_items(new QStringListModel(this))
{
    setModel(m_items);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setItemDelegate(new FixedHeightDelegate(this));
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!m_selectingFromCode)
            emit Click();
    });
}

int TCodeListBox::count() const
{
    return m_items->rowCount();
}

QString TCodeListBox::ItemText(int index) const
{
    return m_items->index(index).data().toString();
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

int TCodeListBox::IndexOfPrefix(const QString &prefix) const
{
    const QStringList items = m_items->stringList();
    for (int row = 0; row < items.size(); ++row) {
        if (beginsWith(items.at(row), prefix))
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
    m_selectingFromCode = true;
    if (index < 0 || index >= count()) {
        selectionModel()->clear();
    } else {
        const QModelIndex item = m_items->index(index);
        selectionModel()->setCurrentIndex(item, QItemSelectionModel::ClearAndSelect);
        scrollTo(item);
    }
    m_selectingFromCode = false;
}

void TCodeListBox::Reload(QStringList items, QStringList codes)
{
    m_selectingFromCode = true;
    m_codes = std::move(codes);
    m_items->setStringList(std::move(items));
    m_selectingFromCode = false;
}

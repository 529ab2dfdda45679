#include "main/FindBar.h"

#include "main/DataGrid.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QToolButton>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

FindBar::FindBar(const QString &name, DataGrid *grid, int column, QWidget *scope, QWidget *parent)
    : QWidget(parent), m_grid(grid), m_column(column)
{
    setObjectName(name);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 2, 0, 2);
    auto *caption = new QLabel(tr("Find:"), this);
    m_text = new QLineEdit(this);
    m_text->setObjectName(u"FindText"_s);
    m_text->setClearButtonEnabled(true);
    m_text->setPlaceholderText(tr("Part of a name"));
    caption->setBuddy(m_text);
    m_status = new QLabel(this);
    m_status->setObjectName(u"FindStatus"_s);
    auto *next = new QToolButton(this);
    next->setObjectName(u"FindNext"_s);
    next->setText(tr("Next"));
    next->setToolTip(tr("Find the next name (Return, F3)"));
    auto *closeButton = new QToolButton(this);
    closeButton->setObjectName(u"FindClose"_s);
    closeButton->setText(tr("Close"));
    closeButton->setToolTip(tr("Close the find box (Escape)"));
    layout->addWidget(caption);
    layout->addWidget(m_text, 1);
    layout->addWidget(next);
    layout->addWidget(m_status, 1);
    layout->addWidget(closeButton);
    hide();

    connect(m_text, &QLineEdit::textEdited, this, [this] { find(true); });
    connect(m_text, &QLineEdit::returnPressed, this, &FindBar::findNext);
    connect(next, &QToolButton::clicked, this, &FindBar::findNext);
    connect(closeButton, &QToolButton::clicked, this, &FindBar::close);

    auto *openKey = new QShortcut(QKeySequence::Find, scope);
    openKey->setContext(Qt::WidgetWithChildrenShortcut);
    connect(openKey, &QShortcut::activated, this, &FindBar::open);
    auto *nextKey = new QShortcut(QKeySequence(Qt::Key_F3), scope);
    nextKey->setContext(Qt::WidgetWithChildrenShortcut);
    connect(nextKey, &QShortcut::activated, this, [this] {
        if (isVisible() && !m_text->text().isEmpty())
            findNext();
        else
            open();
    });
    auto *closeKey = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    closeKey->setContext(Qt::WidgetWithChildrenShortcut);
    connect(closeKey, &QShortcut::activated, this, &FindBar::close);
}

void FindBar::open()
{
    // A cell being edited keeps what was typed into it.
    m_grid->commitPendingEdit();
    show();
    m_text->setFocus(Qt::ShortcutFocusReason);
    m_text->selectAll();
}

void FindBar::close()
{
    hide();
    m_status->clear();
    m_grid->setFocus(Qt::OtherFocusReason);
}

void FindBar::findNext()
{
    find(false);
}

void FindBar::find(bool includeCurrent)
{
    const QString text = m_text->text().trimmed();
    m_status->clear();
    const QAbstractItemModel *model = m_grid->model();
    if (text.isEmpty() || !model)
        return;
    const int rows = model->rowCount();
    const int current = m_grid->currentRow();
    const int first = current < 0 ? 0 : includeCurrent ? current : current + 1;
    for (int i = 0; i < rows; ++i) {
        const int row = (first + i) % rows;
        if (model->index(row, m_column).data().toString().contains(text, Qt::CaseInsensitive)) {
            if (row != current) {
                // Moving saves the row left, as moving by hand does.
                m_grid->commitPendingEdit();
                m_grid->setCurrentRow(row);
            }
            m_grid->scrollTo(model->index(row, m_column));
            return;
        }
    }
    m_status->setText(tr("Not found"));
}

} // namespace calendrix

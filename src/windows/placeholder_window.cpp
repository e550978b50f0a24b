#include "placeholder_window.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tipolab {

PlaceholderWindow::PlaceholderWindow(const QString& title, const QString& text, QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setWindowTitle(title);
    auto* note = new QLabel(text, this);
    note->setObjectName(QStringLiteral("prossimaVersione"));
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignCenter);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note, 1);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    resize(360, 160);
}

} // namespace tipolab

// A small window standing in for one that a later version completes (the help
// pages, the tip of the day, the price list): its title and a line of text.
#pragma once

#include <QWidget>

namespace tipolab {

class PlaceholderWindow : public QWidget {
    Q_OBJECT
public:
    PlaceholderWindow(const QString& title, const QString& text, QWidget* parent = nullptr);
};

} // namespace tipolab

// The price list: the supplier's other programs and their prices, one a line
// of "listino.txt" in the program's folder, read when the window opens. A
// line "name - description: price" shows its price in a column of its own.
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace tipolab {

inline constexpr char kPriceListFileName[] = "listino.txt";

class PriceListWindow : public QWidget {
    Q_OBJECT
public:
    PriceListWindow(const QString& programName, const QString& programDir,
                    QWidget* parent = nullptr);

private:
    void buildControls();
    void Form_Load(const QString& programDir);

    QLabel* Label1 = nullptr; // heading, or why there is no list
    QTreeWidget* lstListino = nullptr;
    QPushButton* cmdChiudi = nullptr;
};

} // namespace tipolab

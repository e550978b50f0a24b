// The price list: the supplier's other programs and their prices, one a line
// of "listino.txt", read when the window opens. A line "name - description:
// price" shows its price in a column of its own. "Aggiorna listino..." takes a
// newer list that the supplier sent: refused whole when it is not a sound text
// file, otherwise kept as the user's own list and shown at once.
#pragma once

#include "price_list_file.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace tipolab {

class Dialogs;

class PriceListWindow : public QWidget {
    Q_OBJECT
public:
    PriceListWindow(const QString& programName, const QString& programDir, Dialogs& dialogs,
                    QWidget* parent = nullptr);

    // "Aggiorna listino...": the counsellor picks the newer list.
    void aggiorna_Click();

private:
    void buildControls();
    void Form_Load(const QString& programDir);
    void showList(const QStringList& lines);

    QString m_programName;
    Dialogs& m_dialogs;
    QLabel* Label1 = nullptr; // heading, or why there is no list
    QTreeWidget* lstListino = nullptr;
    QPushButton* cmdAggiorna = nullptr;
    QPushButton* cmdChiudi = nullptr;
};

} // namespace tipolab

// The help contents `sommario`: the topics of the online help, each opened by
// a click on its label or on the arrow beside it. The label under the pointer
// turns bold; a label that was clicked keeps a thin border. "&Stampa" writes
// the full guide, "&Chiudi" hides the window (it keeps its borders) and
// "&USCITA" is the program's exit.
#pragma once

#include "scaling/cls_resize.h"

#include <QWidget>
#include <array>

class QLabel;
class QPushButton;

namespace tipolab {

class HelpDocuments;
class ModuloTipolab;

// Topics 1..9: the seven pages, the tip of the day and the price list.
inline constexpr int kHelpTopicCount = 9;

class sommario : public QWidget {
    Q_OBJECT
public:
    sommario(ModuloTipolab& module, HelpDocuments& documents, QWidget* parent = nullptr);

    // Shows the window of topic `index`; any index outside 1..9 opens the manual.
    void puls_Click(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeControls();
    void alignTopicWords();
    void Form_Load();
    int topicOf(const QObject* label) const;
    void lbl_Mousedown(int index);
    void lbl_MouseUp(int index);
    void lbl_MouseMove(int index);
    void form_MouseMove();
    void azzeraGrassetto();
    void cmdstampa_Click();
    void cmdchiudi_Click();
    void Command1_Click();

    ModuloTipolab& m_module;
    HelpDocuments& m_documents;
    clsResize m_scaler;

    QLabel* Label1 = nullptr;
    std::array<QLabel*, kHelpTopicCount + 1> lbl{};       // lbl(1..9); slot 0 unused
    std::array<QPushButton*, kHelpTopicCount + 1> puls{}; // puls(1..9); slot 0 unused
    QPushButton* cmdStampa = nullptr;
    QPushButton* cmdChiudi = nullptr;
    QPushButton* Command1 = nullptr;
};

} // namespace tipolab

// The tip of the day: short hints on using the program, one at a time, read
// once from "SuggerimentiTipolab.TXT" in the program's folder. "&Chiudi" only
// hides the window, so it shows again at the same tip.
#pragma once

#include <QStringList>
#include <QWidget>

class QLabel;
class QPushButton;

namespace tipolab {

inline constexpr char kTipsFileName[] = "SuggerimentiTipolab.TXT";

class frmTip : public QWidget {
    Q_OBJECT
public:
    // Form_Load: reads the tips file of `programDir` and shows its first tip,
    // or the text that explains how to make the file.
    explicit frmTip(const QString& programDir, QWidget* parent = nullptr);

    // Reads the file into the tips and steps to the next tip; false when the
    // file is missing or cannot be read (the tips then stay as they were).
    bool LoadTips(const QString& path);

    const QStringList& tips() const { return m_tips; }

    // What the window shows in place of a tip when the file cannot be read.
    static QString missingFileText();

private:
    void buildControls();
    void Form_Load();
    void nextTip();
    void DisplayCurrentTip();
    void cmdNextTip_Click();
    void cmdprecedente_Click();
    void cmdOK_Click();

    QString m_programDir;
    QStringList m_tips; // tip n is m_tips[n - 1]
    qint32 m_currentTip = 0;

    QLabel* Picture1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblTipText = nullptr;
    QPushButton* cmdprecedente = nullptr;
    QPushButton* cmdNextTip = nullptr;
    QPushButton* cmdOK = nullptr;
};

} // namespace tipolab

#!/usr/bin/env python3
"""The reference the report's speed is measured against: a document of the
same shape as the full report (title page, seven explanatory paragraphs, the
seventeen tables of the same rows and columns, the closing lines), written by
python-docx (Debian's python3-docx). Usage: reference_report.py OUTPUT.docx

    ../shared/tools/ratio.py 21 -- build-release/bin/tipolab-cli relazione FILE -o /tmp/r.doc \\
        --vs /usr/bin/python3 bench/reference_report.py /tmp/r.docx
"""
import sys
from docx import Document
from docx.enum.text import WD_BREAK
from docx.shared import Pt

TYPES = ["REALISTA", "INVESTIGATIVO", "ARTISTICO", "SOCIALE", "INTRAPRENDENTE", "CONVENZIONALE"]
SCALE = ["massimo", "elevatissimo", "elevato", "buono", "discreto", "sufficiente",
         "mediocre", "scarso", "insufficiente", "minimo", "nullo"]
PARAGRAPH = ("Il presente studio della personalit\u00e0 esamina 6 possibili caratteri di "
             "individui, per ognuno dei quali chiede dati generali e dati analitici. ")


def text(doc, line, size, page_break=False):
    run = doc.add_paragraph().add_run(line)
    run.font.size = Pt(size)
    run.font.name = "Century Gothic"
    if page_break:
        run.add_break(WD_BREAK.PAGE)


def table(doc, rows, size):
    t = doc.add_table(rows=len(rows), cols=len(rows[0]))
    t.style = "Light Grid Accent 1"
    for r, cells in enumerate(rows):
        for c, value in enumerate(cells):
            cell = t.cell(r, c)
            cell.text = value
            for run in cell.paragraphs[0].runs:
                run.font.size = Pt(size)


def main():
    doc = Document()
    text(doc, "VALUTAZIONE DELLA PERSONALITA", 24)
    for line in ["progetto: orientamento", "esaminato: Mario Rossi", "tipologia di studio: scuola",
                 *[""] * 6, "esaminatore: Studio", "committente: famiglia", "",
                 "Citt\u00e0: luned\u00ec, 7 dic 2026", *[""] * 22, "Studio", "Via Roma 1"]:
        text(doc, line, 14)
    text(doc, "Relazione", 16)
    for n in range(7):
        text(doc, PARAGRAPH * (2 + n % 4), 12, page_break=n in (4, 6))
    text(doc, "Giudizi generali", 16)
    scale = [["giudizio"]] + [["%d = %s" % (i + 1, w)] for i, w in enumerate(SCALE)]
    table(doc, scale, 12)
    table(doc, [["tipo considerato", "giudizio", "valore", "coefficiente"]] +
          [[t, "buono", "4", "0.70"] for t in TYPES] + [["media dei coefficienti", "", "", "0.62"]], 12)
    text(doc, "Dati sulle caratteristiche personali", 16)
    table(doc, scale, 12)
    for t in TYPES:
        table(doc, [["tipologia", "caratteristiche", "giudizi", "valori", "coefficienti ", "pesi in %"]] +
              [[t if c == 0 else "", "caratteristica %d" % (c + 1), "discreto", "5", "0.60", "8"]
               for c in range(12)], 10)
        text(doc, "Dati generali", 12)
        table(doc, [["tipologia", "dati"], ["valor medio", "5.0"], ["media dei coefficienti", "0.600"],
                    ["coefficiente ponderato", "0.600"], ["", "Giudizio complessivo: discreto"]], 12)
        text(doc, "", 12, page_break=True)
    text(doc, "Risultati della elaborazione", 16)
    table(doc, [["tipo", "tipologia della personalit\u00e0"], ["sint.ass.", "sintetica assoluta"],
                ["anal.ass.", "analitica assoluta"], ["sint.rel.", "sintetica relativa"],
                ["anal.rel.", "analitica relativa"]], 12)
    table(doc, [["tipo", "sint.ass.", "anal.ass.", "sint.rel.", "anal.rel."]] +
          [[t, "70.00", "60.00", "16.67", "16.67"] for t in TYPES], 10)
    for line in ["Dall'esame \u00e8 risultato che Mario Rossi \u00e8 di tipo: REALISTA.", PARAGRAPH * 3,
                 "La presente relazione \u00e8 composta di n. 11 pagine.", "Si allegano: nessuno",
                 "Citt\u00e0: luned\u00ec, 7 dic 2026", "l'esaminatore", "(Studio)"]:
        text(doc, line, 12)
    doc.save(sys.argv[1])


main()

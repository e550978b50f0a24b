#!/usr/bin/env python3
"""The register's spreadsheet read back: for a folder of archives (complete,
incomplete, damaged, 31 complete so that the local norms show), the sheet
"Valutazioni" of `tipolab-cli registro --xlsx` holds the same states, codes
and percentiles as `registro --csv`, its percentages as numbers, and the file
is readable by the user alone. Usage: check_workbook.py TIPOLAB-CLI DATA-DIR"""
import csv
import io
import os
import re
import shutil
import stat
import subprocess
import sys
import tempfile
import zipfile
from xml.etree import ElementTree

# The warnings as the spreadsheet names them, by the CSV's keys.
TITLES = {'uniformi': 'Giudizi uniformi', 'estremi': 'Solo gli estremi',
          'in_blocco': 'Tipi giudicati in blocco',
          'generali_uguali': 'Giudizi generali tutti uguali',
          'contrasto': 'Immagine di s\u00e9 e test in contrasto'}
NS = {'m': 'http://schemas.openxmlformats.org/spreadsheetml/2006/main'}


def cells(book, sheet):
    """The sheet's rows as lists of values: text, or float for numbers."""
    strings = [''.join(t.text or '' for t in si.iter('{%s}t' % NS['m']))
               for si in ElementTree.fromstring(book.read('xl/sharedStrings.xml'))]
    rows = []
    for row in ElementTree.fromstring(book.read(sheet)).iterfind('.//m:row', NS):
        values = {}
        for c in row.iterfind('m:c', NS):
            column = re.match(r'[A-Z]+', c.get('r')).group()
            index = 0
            for ch in column:
                index = index * 26 + ord(ch) - 64
            v = c.find('m:v', NS)
            values[index - 1] = strings[int(v.text)] if c.get('t') == 's' else float(v.text)
        rows.append([values.get(i, '') for i in range(max(values) + 1)])
    return rows


def main():
    tool, data = sys.argv[1], sys.argv[2]
    with tempfile.TemporaryDirectory() as folder:
        for i in range(30):
            shutil.copy(f'{data}/Tipolab-dati-esempio', f'{folder}/Tipolab-dati-{i:02}')
        for name in ('Tipolab-dati-esempio-dopo', 'Tipolab-dati-parziale'):
            shutil.copy(f'{data}/{name}', folder)
        with open(f'{folder}/Tipolab-dati-rotto', 'wb') as f:
            f.write(b'rotto\r\n')
        book_path = f'{folder}/registro.xlsx'
        run = subprocess.run([tool, 'registro', '--xlsx', book_path, folder], capture_output=True)
        assert run.returncode == 1, run  # the damaged one
        assert stat.S_IMODE(os.stat(book_path).st_mode) == 0o600
        listed = subprocess.run([tool, 'registro', '--csv', folder], capture_output=True, text=True)
        expected = list(csv.DictReader(io.StringIO(listed.stdout)))
        rows = cells(zipfile.ZipFile(book_path), 'xl/worksheets/sheet1.xml')
        heading, body = rows[0], rows[1:]
        assert len(body) == len(expected) == 33, (len(body), len(expected))
        col = {name: heading.index(name) for name in heading}
        for row, want in zip(body, expected):
            assert row[col['File']] == want['file']
            assert row[col['Stato']].split(':')[0] == want['stato'], (row, want)
            assert row[col['Codice analitico']] == want['codice_analitico']
            assert row[col['Avvisi']] == '; '.join(
                TITLES[k] for k in want['avvisi'].split(';') if k), (row, want)
            for letter in 'RIASEC':
                got = row[col[f'percentile {letter}']] if want['stato'] == 'completa' else ''
                assert (str(int(got)) if got != '' else '') == want[f'percentile_{letter}'], (got, want)
                if want['stato'] == 'completa':
                    assert isinstance(row[col[f'anal.rel. {letter}']], float)
        summary = cells(zipfile.ZipFile(book_path), 'xl/worksheets/sheet2.xml')
        counts = {r[0]: r[1] for r in summary if len(r) > 1 and isinstance(r[1], float)}
        assert counts['complete'] == 31 and counts['incomplete'] == 1 and counts['danneggiate'] == 1
        assert counts['REALISTA'] + counts['SOCIALE'] == 31
    print('the spreadsheet agrees with the CSV')


if __name__ == '__main__':
    main()

#!/usr/bin/env python3
"""Choose one ISCO-08 unit group for every O*NET occupation that has interest scores.

Join: O*NET-SOC 2019 -> O*NET-SOC 2010 (O*NET crosswalk) -> 2010 SOC (first seven
characters) -> ISCO-08 (BLS crosswalk). Occupations that reach no ISCO group this way
(new in 2019, or whose 2010 code is not a SOC code the BLS knows) go through 2018 SOC:
the 2018 SOC code itself if the BLS crosswalk knows it, otherwise back to the O*NET-SOC
2010 codes that map to that 2018 SOC code.

A 3-digit ISCO code in the BLS crosswalk ("matches to 3-digit ISCO") stands for all the
unit groups under it.

Choice among the candidates, in order:
  unico    exactly one candidate;
  nesta    the ESCO occupations that the Nesta crosswalk maps to the occupation's
           O*NET-SOC 2010 code(s) point to candidates: the most frequent one wins,
           ties broken by the highest semantic similarity;
  lettura  a decision by reading, taken from isco_hand_choices.tsv.

A hand choice may also overrule the Nesta pick where that pick plainly misreads the
occupation (the most frequent ESCO group under a broad or "All Other" code is often
not this occupation's). The note then starts with the code that Nesta would give.

Usage:
  make_isco_choice.py [--data DIR] [--out DIR]        write isco_choice.tsv
  make_isco_choice.py [--data DIR] [--out DIR] --pending
                                                      list occupations still lacking a
                                                      hand choice, with their candidates
"""

import argparse
import collections
import csv
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_DATA = os.path.join(os.path.dirname(os.path.abspath(__file__)), "sources")


def read_tsv(path, skip=0):
    """Rows of a tab-separated file, cells stripped, after `skip` lines of preamble."""
    with open(path, encoding="utf-8", newline="") as fh:
        rows = list(csv.reader(fh, delimiter="\t"))
    return [[cell.strip() for cell in row] for row in rows[skip:] if any(row)]


def expect_header(row, wanted, path):
    if row[: len(wanted)] != wanted:
        sys.exit(f"{path}: unexpected header {row!r}, expected {wanted!r}")


def load(data):
    p = lambda name: os.path.join(data, name)

    # O*NET-SOC 2010 -> 2019; four lines of preamble (title, subtitle, blank, header).
    rows = read_tsv(p("onet_2010_to_2019_Crosswalk.tsv"), 3)
    expect_header(rows[0], ["O*NET-SOC 2010 Code", "O*NET-SOC 2010 Title",
                            "O*NET-SOC 2019 Code"], "2010_to_2019")
    onet2010_of = collections.defaultdict(set)          # 2019 code -> 2010 codes
    for r in rows[1:]:
        onet2010_of[r[2]].add(r[0])

    rows = read_tsv(p("onet_2019_to_SOC2018_Crosswalk.tsv"), 3)
    expect_header(rows[0], ["O*NET-SOC 2019 Code", "O*NET-SOC 2019 Title",
                            "2018 SOC Code"], "2019_to_SOC2018")
    soc2018_of = collections.defaultdict(set)           # 2019 code -> 2018 SOC codes
    for r in rows[1:]:
        soc2018_of[r[0]].add(r[2])

    rows = read_tsv(p("onet_2010_to_SOC2018_Crosswalk.tsv"), 3)
    expect_header(rows[0], ["O*NET-SOC 2010 Code", "O*NET-SOC 2010 Title",
                            "2018 SOC Code"], "2010_to_SOC2018")
    onet2010_of_soc2018 = collections.defaultdict(set)  # 2018 SOC -> 2010 codes
    for r in rows[1:]:
        onet2010_of_soc2018[r[2]].add(r[0])

    # Italian ISCO-08 labels: the only unit groups a choice may name.
    rows = read_tsv(p("isco08_labels_it_esco1.1.tsv"))
    expect_header(rows[0], ["isco08", "level", "label_it"], "isco08_labels")
    unit_groups = {r[0]: r[2] for r in rows[1:] if r[1] == "4"}

    # BLS ISCO-08 x 2010 SOC; six lines of preamble before the header.
    rows = read_tsv(p("bls_ISCO_SOC_Crosswalk.tsv"), 6)
    expect_header(rows[0], ["ISCO-08 Code", "ISCO-08 Title EN", "part",
                            "2010 SOC Code"], "bls_ISCO_SOC")
    isco_of_soc = collections.defaultdict(set)          # 2010 SOC -> ISCO unit groups
    for r in rows[1:]:
        isco, soc = r[0], r[3]
        groups = {g for g in unit_groups if g.startswith(isco)}
        if not groups:
            sys.exit(f"BLS crosswalk: ISCO code {isco!r} ({soc}) has no unit group")
        isco_of_soc[soc] |= groups

    with open(p("nesta_esco_onet_crosswalk_Nov2020.csv"), encoding="utf-8",
              newline="") as fh:
        nesta_rows = list(csv.DictReader(fh))
    esco_of_onet2010 = collections.defaultdict(list)    # 2010 code -> [(isco, sim, label)]
    for r in nesta_rows:
        esco_of_onet2010[r["onet_code"]].append(
            (r["isco_code"][:4], float(r["semantic_similarity"]), r["esco_occupation"]))

    rows = read_tsv(p("onet30_2_Interests.txt"))
    occupations = sorted({r[0] for r in rows[1:]})

    rows = read_tsv(p("onet30_2_Occupation_Titles.tsv"))
    titles = {r[0]: r[1] for r in rows[1:]}

    return dict(onet2010_of=onet2010_of, soc2018_of=soc2018_of,
                onet2010_of_soc2018=onet2010_of_soc2018, unit_groups=unit_groups,
                isco_of_soc=isco_of_soc, esco_of_onet2010=esco_of_onet2010,
                occupations=occupations, titles=titles)


def candidates(code, d):
    """(O*NET-SOC 2010 codes used, ISCO candidates, route) for one 2019 occupation."""
    onet2010 = set(d["onet2010_of"].get(code, ()))
    isco = set()
    for c in onet2010:
        isco |= d["isco_of_soc"].get(c[:7], set())
    if isco:
        return onet2010, isco, "2010"
    for soc in d["soc2018_of"].get(code, ()):
        if soc in d["isco_of_soc"]:
            isco |= d["isco_of_soc"][soc]
        else:
            for c in d["onet2010_of_soc2018"].get(soc, ()):
                onet2010.add(c)
                isco |= d["isco_of_soc"].get(c[:7], set())
    return onet2010, isco, "2018"


def nesta_choice(onet2010, isco, d):
    """(code, note) chosen by the Nesta ESCO matches, or None."""
    hits = [h for c in sorted(onet2010) for h in d["esco_of_onet2010"].get(c, ())
            if h[0] in isco]
    if not hits:
        return None
    count = collections.Counter(h[0] for h in hits)
    best_sim = {g: max(h[1] for h in hits if h[0] == g) for g in count}
    code = max(count, key=lambda g: (count[g], best_sim[g]))
    example = max((h for h in hits if h[0] == code), key=lambda h: h[1])[2]
    note = (f"ESCO (Nesta): {count[code]} su {len(hits)} in {code}, "
            f"es. \"{example}\" (sim. {best_sim[code]:.2f})")
    return code, note


def read_hand_choices(path):
    if not os.path.exists(path):
        return {}
    rows = read_tsv(path)
    expect_header(rows[0], ["onet_soc", "isco08", "nota"], path)
    choices = {}
    for r in rows[1:]:
        if len(r) < 3 or not r[2]:
            sys.exit(f"{path}: row without a note: {r!r}")
        if r[0] in choices:
            sys.exit(f"{path}: {r[0]} chosen twice")
        choices[r[0]] = (r[1], r[2])
    return choices


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--data", default=DEFAULT_DATA)
    ap.add_argument("--out", default=HERE)
    ap.add_argument("--pending", action="store_true")
    args = ap.parse_args()

    d = load(args.data)
    hand = read_hand_choices(os.path.join(args.out, "isco_hand_choices.tsv"))
    errors, pending, out = [], [], []
    counts = collections.Counter()

    for code in d["occupations"]:
        onet2010, isco, _route = candidates(code, d)
        if not isco:
            errors.append(f"{code}: no ISCO-08 candidate")
            continue
        if len(isco) == 1:
            (choice,) = isco
            motivo, nota = "unico", "unico gruppo ISCO-08 nella tavola BLS"
            if code in hand:
                errors.append(f"{code}: hand choice given for a single candidate")
        elif code in hand:
            motivo, (choice, nota) = "lettura", hand[code]
            if choice not in isco:
                errors.append(f"{code}: hand choice {choice} not among "
                              f"{sorted(isco)}")
            overruled = nesta_choice(onet2010, isco, d)
            if overruled:
                if overruled[0] == choice:
                    errors.append(f"{code}: hand choice repeats the Nesta pick")
                nota = f"invece di {overruled[0]} (Nesta): {nota}"
        elif (n := nesta_choice(onet2010, isco, d)):
            motivo, (choice, nota) = "nesta", n
        else:
            pending.append((code, isco))
            continue
        if choice not in d["unit_groups"]:
            errors.append(f"{code}: {choice} is not an ISCO-08 unit group")
        counts[motivo] += 1
        out.append((code, choice, motivo, nota))

    for code in hand:
        if code not in d["occupations"]:
            errors.append(f"{code}: hand choice for an occupation without interests")

    if args.pending:
        for code, isco in pending:
            print(f"{code}\t{d['titles'][code]}")
            for g in sorted(isco):
                print(f"\t{g}\t{d['unit_groups'][g]}")
        print(f"{len(pending)} pending", file=sys.stderr)
        return 0

    errors += [f"{code}: needs a hand choice among {sorted(isco)}"
               for code, isco in pending]
    if errors:
        print("\n".join(errors), file=sys.stderr)
        sys.exit(f"{len(errors)} problem(s); isco_choice.tsv not written")

    path = os.path.join(args.out, "isco_choice.tsv")
    with open(path, "w", encoding="utf-8", newline="") as fh:
        w = csv.writer(fh, delimiter="\t", lineterminator="\n")
        w.writerow(["onet_soc", "isco08", "motivo", "nota"])
        w.writerows(out)
    print(f"{path}: {len(out)} rows; " +
          ", ".join(f"{k} {v}" for k, v in sorted(counts.items())), file=sys.stderr)
    return 0


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/env python3
"""Writes a folder of generated assessments for trying the register.

    make_register_folder.py COUNT FOLDER [--incomplete N] [--damaged N]

COUNT complete archives "Tipolab-dati-Alunno-NNNNN" with varied judgements
(the same every time: the generator is seeded), in subfolders of thirty as a
school's classes are, plus N incomplete ones and N damaged ones. The weights
are those of the sample archive, which sum to 100 in every type.
"""
import argparse
import pathlib
import random

SAMPLE = pathlib.Path(__file__).resolve().parent.parent / "tests" / "data" / "Tipolab-dati-esempio"
STEPS = ["massimo", "quasi massimo", "molto", "abbastanza", "leggermente", "medio", "poco",
         "molto poco", "quasi minimo", "minimo", "nullo"]
PURPOSES = ["Orientamento scolastico", "Orientamento professionale"]


def value(step):
    """The value of step 1..11 as the archives write it: 1, .9 ... .1, 0."""
    tenths = 11 - step
    return "1" if tenths == 10 else "0" if tenths == 0 else "." + str(tenths)


def judgement(step):
    return '1,"%s","%d",%s' % (STEPS[step - 1], step, value(step))


def archive(index, rng, weights):
    # Each person leans to one or two types: their steps are better there.
    liked = rng.sample(range(6), 2)
    def step_for(t):
        centre = 3 if t == liked[0] else 4 if t == liked[1] else 7
        return max(1, min(11, round(rng.gauss(centre, 2))))
    klass = "%d%s" % (1 + index // 30 % 5, "ABCDEFGH"[index // 150 % 8])
    lines = ['"%s","Alunno %05d","analisi situazione attuale","Istituto Galilei, classe %s",'
             '"Città di Castello","%d/%d/2026","nessuno"'
             % (PURPOSES[index % 2], index + 1, klass, 1 + index % 28, 1 + index // 28 % 12)]
    lines += [judgement(step_for(t)) for t in range(6)]
    for t in range(6):
        for k in range(12):
            lines.append(judgement(step_for(t)) + ',"%s"' % weights[t * 12 + k])
    return klass, "\r\n".join(lines) + "\r\n"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("count", type=int)
    parser.add_argument("folder", type=pathlib.Path)
    parser.add_argument("--incomplete", type=int, default=0)
    parser.add_argument("--damaged", type=int, default=0)
    args = parser.parse_args()
    sample = SAMPLE.read_bytes().decode("latin-1").split("\r\n")
    weights = [line.rsplit(",", 1)[1].strip('"') for line in sample[7:79]]
    rng = random.Random(7)
    for i in range(args.count):
        klass, text = archive(i, rng, weights)
        folder = args.folder / klass
        folder.mkdir(parents=True, exist_ok=True)
        (folder / ("Tipolab-dati-Alunno-%05d" % (i + 1))).write_bytes(text.encode("latin-1"))
    args.folder.mkdir(parents=True, exist_ok=True)
    for i in range(args.incomplete):
        _, text = archive(args.count + i, rng, weights)
        lines = text.split("\r\n")
        for k in rng.sample(range(7, 79), 5):  # five judgements not given
            lines[k] = ',,,0,"%s"' % weights[k - 7]
        (args.folder / ("Tipolab-dati-Incompleta-%d" % (i + 1))).write_bytes(
            "\r\n".join(lines).encode("latin-1"))
    for i in range(args.damaged):
        (args.folder / ("Tipolab-dati-Danneggiata-%d" % (i + 1))).write_bytes(
            b'"Orientamento scolastico","Alunno rovinato"\r\n1,"massimo"\r\n')


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Mutation pass: puts each fault of a list into a scratch copy of the tree,
one at a time, rebuilds, runs the tests and says which faults they catch.

Run by hand (never by CI): tools/mutants/mutants.py [--only ID,...] [--xcb]
See README.md beside this file.
"""
import argparse
import os
import re
import shutil
import subprocess
import sys
import time
from pathlib import Path

ICI = Path(__file__).resolve().parent
RACINE = ICI.parent.parent


class Mutant:
    def __init__(self, ident, fichier, ligne):
        self.ident = ident
        self.fichier = fichier
        self.ligne = ligne  # where it stands in the list, for messages
        self.description = ""
        self.ancien = []
        self.nouveau = []


def lire_mutants(chemin):
    """The list: '== id path' opens a mutant, '? text' describes it, then the
    exact old text as '- ' lines and its replacement as '+ ' lines."""
    mutants = []
    courant = None
    for numero, brute in enumerate(Path(chemin).read_text(encoding="utf-8").splitlines(), 1):
        if brute.startswith("#") or (not brute.strip() and courant is None):
            continue
        if brute.startswith("== "):
            morceaux = brute[3:].split()
            if len(morceaux) != 2:
                sys.exit(f"{chemin}:{numero}: expected '== id path'")
            courant = Mutant(morceaux[0], morceaux[1], numero)
            mutants.append(courant)
        elif courant is None:
            sys.exit(f"{chemin}:{numero}: text outside a mutant")
        elif brute.startswith("? "):
            courant.description = brute[2:]
        elif brute == "-" or brute.startswith("- "):
            courant.ancien.append(brute[2:])
        elif brute == "+" or brute.startswith("+ "):
            courant.nouveau.append(brute[2:])
        elif not brute.strip():
            continue
        else:
            sys.exit(f"{chemin}:{numero}: unexpected line: {brute!r}")
    idents = [m.ident for m in mutants]
    doubles = {i for i in idents if idents.count(i) > 1}
    if doubles:
        sys.exit(f"{chemin}: ids used twice: {', '.join(sorted(doubles))}")
    for m in mutants:
        if not m.ancien:
            sys.exit(f"{chemin}:{m.ligne}: mutant {m.ident} has no old text")
    return mutants


def fichiers_du_depot():
    """The tracked files and the untracked ones git does not ignore, as they stand."""
    sortie = subprocess.run(
        ["git", "ls-files", "-z", "--cached", "--others", "--exclude-standard"],
        cwd=RACINE, check=True, capture_output=True).stdout
    return [f for f in sortie.decode().split("\0") if f and (RACINE / f).is_file()]


def synchroniser(copie):
    """Makes the scratch copy equal to the working tree, touching only what differs
    (so that a rerun rebuilds only what changed)."""
    voulus = set(fichiers_du_depot())
    for f in voulus:
        source, cible = RACINE / f, copie / f
        contenu = source.read_bytes()
        if not cible.is_file() or cible.read_bytes() != contenu:
            cible.parent.mkdir(parents=True, exist_ok=True)
            cible.write_bytes(contenu)
            shutil.copymode(source, cible)
    for dossier, _, noms in os.walk(copie):
        for nom in noms:
            chemin = Path(dossier) / nom
            if str(chemin.relative_to(copie)) not in voulus:
                chemin.unlink()


def executer(commande, delai, **kw):
    try:
        r = subprocess.run(commande, capture_output=True, text=True, timeout=delai, **kw)
        return r.returncode, r.stdout + r.stderr
    except subprocess.TimeoutExpired as e:
        sortie = (e.stdout or b"") + (e.stderr or b"")
        if isinstance(sortie, bytes):
            sortie = sortie.decode(errors="replace")
        return None, sortie


def construire(build, jobs, delai):
    return executer(["cmake", "--build", str(build), "--", f"-j{jobs}"], delai)


def tester(build, args):
    commande = ["ctest", "--test-dir", str(build), "-j", str(args.jobs), "--timeout", str(args.timeout),
                "--stop-on-failure"]
    exclus = [] if args.xcb else ["_xcb$"]
    exclus += args.exclude
    if exclus:
        commande += ["-E", "|".join(exclus)]
    code, sortie = executer(commande, args.timeout * 4 + 60)
    echecs = re.findall(r"^\s*\d+ - (\S+) \((?!Not Run|Disabled)[^)]*\)", sortie, re.M)
    if code is None:
        echecs.append("(time limit)")
    return code, echecs, sortie


def main():
    p = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    p.add_argument("--list", default=str(ICI / "mutants.txt"), help="the list of mutants")
    p.add_argument("--only", default="", help="comma-separated ids to run (default: all)")
    p.add_argument("--work", default=str(RACINE / "build-mutants"),
                   help="scratch folder: src/ (the copy), build/ (its build), results.tsv")
    p.add_argument("--jobs", type=int, default=4, help="parallel compile and test jobs (default 4)")
    p.add_argument("--timeout", type=int, default=120, help="time limit of one test, seconds (default 120)")
    p.add_argument("--xcb", action="store_true", help="also run the xvfb/xcb variants of the tests")
    p.add_argument("--exclude", action="append", default=[], help="ctest -E regex of more tests to skip")
    p.add_argument("--check", action="store_true", help="only check that every old text is found once")
    args = p.parse_args()

    mutants = lire_mutants(args.list)
    if args.only:
        voulus = set(args.only.split(","))
        inconnus = voulus - {m.ident for m in mutants}
        if inconnus:
            sys.exit(f"unknown ids: {', '.join(sorted(inconnus))}")
        mutants = [m for m in mutants if m.ident in voulus]

    travail = Path(args.work).resolve()
    copie, build = travail / "src", travail / "build"
    copie.mkdir(parents=True, exist_ok=True)
    synchroniser(copie)

    # Every old text must stand exactly once in its file, or the mutant says nothing.
    invalides = []
    for m in mutants:
        chemin = copie / m.fichier
        texte = chemin.read_text(encoding="utf-8") if chemin.is_file() else None
        n = texte.count("\n".join(m.ancien)) if texte is not None else -1
        if n != 1:
            invalides.append(m)
            print(f"{m.ident}: old text found {max(n, 0)} times in {m.fichier}"
                  f"{' (no such file)' if n < 0 else ''}", file=sys.stderr)
    if args.check:
        print(f"{len(mutants) - len(invalides)} of {len(mutants)} mutants apply")
        return 1 if invalides else 0
    mutants = [m for m in mutants if m not in invalides]

    if not (build / "build.ninja").is_file():
        code, sortie = executer(["cmake", "-S", str(copie), "-B", str(build), "-G", "Ninja",
                                 "-DCMAKE_BUILD_TYPE=Release"], 600)
        if code != 0:
            sys.exit("configure failed:\n" + sortie[-4000:])
    print("baseline: build and tests of the unchanged copy...", flush=True)
    code, sortie = construire(build, args.jobs, 3600)
    if code != 0:
        sys.exit("the unchanged copy does not build:\n" + sortie[-4000:])
    code, echecs, sortie = tester(build, args)
    if code != 0:
        sys.exit(f"the unchanged copy fails its tests ({', '.join(echecs)}):\n" + sortie[-4000:])

    resultats = []
    journal = travail / "results.tsv"
    for i, m in enumerate(mutants, 1):
        chemin = copie / m.fichier
        original = chemin.read_bytes()
        debut = time.monotonic()
        try:
            texte = original.decode("utf-8")
            chemin.write_bytes(texte.replace("\n".join(m.ancien), "\n".join(m.nouveau), 1).encode("utf-8"))
            code, sortie = construire(build, args.jobs, 1800)
            if code != 0:
                etat, detail = "no-compile", ""
            else:
                code, echecs, sortie = tester(build, args)
                etat = "caught" if code != 0 else "survived"
                detail = " ".join(echecs)
        finally:
            chemin.write_bytes(original)  # the copy is whole again, whatever happened
        duree = time.monotonic() - debut
        resultats.append((m, etat, detail))
        print(f"[{i}/{len(mutants)}] {m.ident}: {etat} ({duree:.0f} s) {detail}", flush=True)

    with journal.open("w", encoding="utf-8") as j:
        j.write("id\tfile\tresult\tfailed tests\tdescription\n")
        for m, etat, detail in resultats:
            j.write(f"{m.ident}\t{m.fichier}\t{etat}\t{detail}\t{m.description}\n")

    # The copy back to the tree's own state, so that a later run starts from a good build.
    construire(build, args.jobs, 3600)

    compte = {e: sum(1 for _, x, _ in resultats if x == e) for e in ("caught", "survived", "no-compile")}
    juges = compte["caught"] + compte["survived"]
    print()
    print(f"mutants: {len(resultats)}  caught: {compte['caught']}  survived: {compte['survived']}  "
          f"no-compile: {compte['no-compile']}  not applied: {len(invalides)}")
    if juges:
        print(f"score: {100 * compte['caught'] / juges:.0f}% of the mutants that compile")
    for m, etat, _ in resultats:
        if etat != "caught":
            print(f"  {etat:10} {m.ident:28} {m.fichier}: {m.description}")
    print(f"details: {journal}")
    return 0


if __name__ == "__main__":
    sys.exit(main())

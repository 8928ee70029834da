#!/usr/bin/env python3
"""Checks that every CMake package the build loaded comes from a Debian package
that scripts/setup.sh installs, by name or as one of its dependencies.

A development machine can hold a package that a fresh one lacks; then the
build passes here and fails there. Usage: verifica_pacchetti.py CMakeCache.txt setup.sh
"""
import glob
import os
import re
import subprocess
import sys


def pacchetti_di_setup(percorso):
    testo = open(percorso, encoding="utf-8").read()
    lista = re.search(r"packages=\((.*?)\)", testo, re.S)
    if not lista:
        sys.exit(f"{percorso}: lista packages=(...) non trovata")
    return set(lista.group(1).split())


def cartelle_config(cache):
    """The folders of the *Config.cmake files that find_package loaded."""
    cartelle = []
    for riga in open(cache, encoding="utf-8"):
        m = re.match(r"([A-Za-z0-9_]+)_DIR:PATH=(.*)$", riga.strip())
        if m and os.path.isdir(m.group(2)):
            cartelle.append((m.group(1), m.group(2)))
    return cartelle


def file_config(cartella):
    trovati = glob.glob(os.path.join(cartella, "*Config.cmake"))
    trovati += glob.glob(os.path.join(cartella, "*-config.cmake"))
    return sorted(trovati)


def proprietari(percorsi):
    """Owning Debian package of each file; one dpkg call for all of them."""
    reali = {os.path.realpath(f): f for f in percorsi}
    uscita = subprocess.run(["dpkg", "-S", *reali], capture_output=True, text=True)
    trovati = {}
    for riga in uscita.stdout.splitlines():
        pacchetti, _, percorso = riga.partition(": ")
        if percorso in reali:
            trovati[reali[percorso]] = pacchetti.split(",")[0].split(":")[0].strip()
    return trovati


def nomi(campo):
    """Package names of a Depends-like field, alternatives included."""
    return {v.strip().split(" ")[0].split(":")[0]
            for v in re.split(r"[,|]", campo) if v.strip()}


def dipendenze_installate():
    """Direct dependencies of every installed package, virtual names resolved
    to the packages that provide them."""
    uscita = subprocess.run(
        ["dpkg-query", "-W", "-f=${Package}\t${Depends}, ${Pre-Depends}\t${Provides}\n"],
        capture_output=True, text=True, check=True).stdout
    dipende, fornito_da = {}, {}
    for riga in uscita.splitlines():
        pacchetto, dipendenze, fornisce = (riga.split("\t") + ["", ""])[:3]
        dipende.setdefault(pacchetto, set()).update(nomi(dipendenze))
        for virtuale in nomi(fornisce):
            fornito_da.setdefault(virtuale, set()).add(pacchetto)
    return dipende, fornito_da


def chiusura(radici):
    """The listed packages with all their dependencies."""
    dipende, fornito_da = dipendenze_installate()
    visti, da_fare = set(), list(radici)
    while da_fare:
        p = da_fare.pop()
        if p in visti:
            continue
        visti.add(p)
        da_fare.extend(dipende.get(p, set()) | fornito_da.get(p, set()))
    return visti


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    installati = chiusura(pacchetti_di_setup(sys.argv[2]))
    configurazioni = [(nome, f) for nome, cartella in cartelle_config(sys.argv[1])
                      for f in file_config(cartella)]
    pacchetto_di = proprietari([f for _, f in configurazioni])
    mancanti = []
    for nome, config in configurazioni:
        pacchetto = pacchetto_di.get(config)
        if pacchetto is None:
            mancanti.append(f"{nome}: {config} non appartiene a nessun pacchetto Debian")
        elif pacchetto not in installati:
            mancanti.append(f"{nome}: {config} viene da {pacchetto}, "
                            "che scripts/setup.sh non installa")
    for riga in mancanti:
        print(riga)
    print(f"{len(installati)} pacchetti coperti da scripts/setup.sh; "
          f"{len(mancanti)} file di configurazione scoperti")
    return 1 if mancanti else 0


if __name__ == "__main__":
    sys.exit(main())

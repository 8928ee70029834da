"""The DXF file a window test exports, read by ezdxf for the scripts that
check it. The test is run alone, told by an environment variable where to
keep the file."""
import os
import subprocess
import sys
import tempfile

try:
    import ezdxf
except ImportError:
    print("ezdxf non installato (pacchetto python3-ezdxf)")
    sys.exit(77)


def leggi_dxf_esportato(eseguibile, filtro, variabile):
    """The document, or None after printing why there is none."""
    with tempfile.TemporaryDirectory() as cartella:
        percorso = os.path.join(cartella, "esportato.dxf")
        ambiente = dict(os.environ, **{variabile: percorso})
        esito = subprocess.run([eseguibile, "--gtest_filter=" + filtro],
                               env=ambiente, capture_output=True, text=True)
        if esito.returncode != 0 or not os.path.exists(percorso):
            print(esito.stdout, esito.stderr)
            print("il DXF non è stato scritto")
            return None
        return ezdxf.readfile(percorso)


def errori_lettura(doc):
    """What ezdxf's audit finds wrong, as texts."""
    auditor = doc.audit()
    if not auditor.has_errors:
        return []
    return ["errori di lettura: " + "; ".join(str(e.message) for e in auditor.errors)]


def esito(errori):
    """The script's exit code after printing each error."""
    for e in errori:
        print("ERRORE:", e)
    return 1 if errori else 0

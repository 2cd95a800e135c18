#!/usr/bin/env python3
"""Writes the small seed documents of the fuzz corpus (run once; outputs kept in git)."""
import struct, zlib, os

def png(w, h, colour_type, rows, extra=b""):
    def chunk(t, d):
        return struct.pack(">I", len(d)) + t + d + struct.pack(">I", zlib.crc32(t + d) & 0xffffffff)
    raw = b"".join(b"\0" + r for r in rows)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, colour_type, 0, 0, 0))
            + extra + chunk(b"IDAT", zlib.compress(raw, 5)) + chunk(b"IEND", b""))

def s(b): return struct.pack("<i", len(b)) + b
def i(v): return struct.pack("<i", v)
def r(v): return struct.pack("<d", v)

KEYS = (b"|HD-vers|HD-titel|HD-autor|HD-bemerkung|HD-lueckentext|HD-fragentext|HD-AnzFrageNummern|HD-DokTyp|"
        b"HD-RandErw|HD-NumArt|HD-GeordnetArt|OB-Sx|OB-Sy|OB-Kx|OB-Ky|OB-Cap|OB-KAusr|OB-TAusr|OB-Ebene|OB-Typ|"
        b"OB-Sline|OB-Fsize|OB-KAusrAkt|OB-FrageNummer|")

def obj(typ, cap, fn=None):
    b = r(0.1) + r(0.2) + r(0.3) + r(0.4) + s(cap) + i(1) + i(0) + i(1) + i(typ) + i(1) + i(2) + i(0)
    return b + (i(fn) if fn is not None else b"")

here = os.path.dirname(os.path.abspath(__file__))
rgb = png(3, 2, 2, [bytes([10, 20, 30] * 3), bytes([200, 100, 50] * 3)])
full = (s(b"KMF-1.01") + s(KEYS) + s(b"1.00") + s(b"Flaggen \xc4") + s(b"Autor") + s(b"")
        + s(b"L") + s(b"Frage // Antwort\r\nZwei") + i(2) + i(2) + r(0) + r(0.1) + r(0) + r(0) + i(1) + i(0)
        + i(3) + obj(11, b'"Frage Nr. 1"', 1) + obj(10, b'"a b",c', 1) + obj(16, b"", -1) + rgb)
old = (s(b"KMF-1.00") + s(b"|HD-vers|HD-titel|") + s(b"1.00") + s(b"Alt") + s(b"") + s(b"")
       + i(1) + obj(0, b"Paris") + png(1, 1, 6, [bytes([1, 2, 3, 128])]))
empty = (s(b"KMF-1.01") + s(KEYS) + s(b"1.00") + s(b"") + s(b"") + s(b"") + s(b"") + s(b"") + i(0) + i(0)
         + r(0) + r(0) + r(0) + r(0) + i(0) + i(0) + i(0) + png(1, 1, 0, [b"\x80"]))
for name, data in (("voll.tvl", full), ("alt.tvl", old), ("leer.tvl", empty)):
    with open(os.path.join(here, name), "wb") as f:
        f.write(data)

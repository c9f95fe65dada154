#!/usr/bin/env python3
"""The GO/STOP button faces keep their look in 256 colours, and every
committed picture is what res/make_pictures.py draws.

    python3 tests/res_faces_test.py SOURCE_DIR

The faces are drawn in full colour and stored with a 256-colour palette.
The full-colour drawing is the reference: its 24-bit BMP files, as they were
committed before the faces went to 256 colours, had these SHA-256 sums. A
change to the drawing changes them; a change to the stored pictures moves
their pixels away from the drawing.
"""

import hashlib
import os
import struct
import sys
import tempfile

REFERENCE_24BIT = {
    "go": "4d2770a9248bc2f02af8e311156a23609386d65a743a8e1a74c172947557df73",
    "stop": "e8be344d3ed6d7fe060334e85b9c17182450a32b808ef3df4dfea41a7c1079c3",
}
# Out of 255 per channel: the farthest any channel of any pixel may be from
# the drawing, and the worst channel of each pixel averaged over the face.
# (The palette the generator picks comes to 7 and 0.42 on GO, 5 and 0.24 on
# STOP; one wrong palette entry or a colour from a smaller palette is
# far beyond.)
MAX_STEP = 8
MEAN_STEP = 0.5

failed = False


def check(what, ok):
    global failed
    print(("ok: " if ok else "FAILED: ") + what)
    failed |= not ok


def read_bmp(path):
    """(width, height, bits per pixel, compression, colours used,
    rows of (r, g, b) top down) of an uncompressed palette BMP."""
    data = open(path, "rb").read()
    magic, _, _, _, off = struct.unpack_from("<2sIHHI", data, 0)
    assert magic == b"BM", path
    (size, w, h, _, bpp, compression, _, _, _, used, _) = struct.unpack_from(
        "<IiiHHIIiiII", data, 14)
    ncolours = (used or (1 << bpp)) if bpp <= 8 else 0
    pal_at = 14 + size
    palette = [struct.unpack_from("<BBBB", data, pal_at + 4 * i)[2::-1]
               for i in range(ncolours)]
    stride = ((w * bpp + 31) // 32) * 4
    rows = []
    for y in range(h):
        row = data[off + (h - 1 - y) * stride:]       # stored bottom up
        if bpp == 8:
            rows.append([palette[row[x]] for x in range(w)])
        elif bpp == 4:
            rows.append([palette[(row[x >> 1] >> (0 if x & 1 else 4)) & 15]
                         for x in range(w)])
        else:
            rows.append(None)
    return w, h, bpp, compression, used, rows


def main():
    src = sys.argv[1] if len(sys.argv) > 1 else os.environ["VELTRAC_SRC"]
    res = os.path.join(src, "res")
    sys.path.insert(0, res)
    import make_pictures as mp

    for name, make in (("go", mp.make_go), ("stop", mp.make_stop)):
        drawing = mp.rgb24(make())
        sha = hashlib.sha256(mp.bmp24_bytes(mp.FACE_W, mp.FACE_H, drawing)).hexdigest()
        check(f"{name}: the drawing is the one the 24-bit {name}.bmp held", sha == REFERENCE_24BIT[name])

        w, h, bpp, compression, used, rows = read_bmp(os.path.join(res, f"{name}.bmp"))
        check(f"{name}.bmp: {mp.FACE_W} x {mp.FACE_H}, 8 bits per pixel, uncompressed "
              f"(is {w} x {h}, {bpp} bits, compression {compression})",
              (w, h, bpp, compression) == (mp.FACE_W, mp.FACE_H, 8, 0) and 0 < used <= 256)
        if (w, h, bpp) != (mp.FACE_W, mp.FACE_H, 8):
            continue
        worst = [max(abs(a - b) for a, b in zip(rows[y][x], drawing[y][x]))
                 for y in range(h) for x in range(w)]
        mean = sum(worst) / len(worst)
        check(f"{name}.bmp: no channel more than {MAX_STEP} off the drawing (is {max(worst)})",
              max(worst) <= MAX_STEP)
        check(f"{name}.bmp: on average within {MEAN_STEP} of the drawing (is {mean:.3f})",
              mean <= MEAN_STEP)

    with tempfile.TemporaryDirectory() as out:
        mp_argv, sys.argv = sys.argv, ["make_pictures.py", out]
        mp.main()
        sys.argv = mp_argv
        for name in ("go.bmp", "stop.bmp", "kq.bmp", "main.ico", "small.ico", "finder.ico",
                     "finder.cur"):
            with open(os.path.join(out, name), "rb") as a, open(os.path.join(res, name), "rb") as b:
                check(f"res/{name} is what res/make_pictures.py draws", a.read() == b.read())

    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())

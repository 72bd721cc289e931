#!/usr/bin/env python3
"""Packs the committed application icon PNGs into the Windows and macOS containers.

    scripts/make-icon-containers.py     (run from anywhere; rewrites the two files)

resources/app-icon.ico holds the 16 and 32 pixel pictures, resources/app-icon.icns
the same two. Both formats may carry PNG data as it is, so nothing is redrawn or
recoded. Run it again only after changing app-icon-16.png or app-icon-32.png.
"""
import pathlib
import struct

resources = pathlib.Path(__file__).resolve().parent.parent / "resources"
pngs = {side: (resources / f"app-icon-{side}.png").read_bytes() for side in (16, 32)}

for side, data in pngs.items():
    width, height = struct.unpack(">II", data[16:24])
    if data[:8] != b"\x89PNG\r\n\x1a\n" or (width, height) != (side, side):
        raise SystemExit(f"app-icon-{side}.png is not a {side} x {side} PNG")

# ICO: a header, one 16-byte entry per picture, then the pictures.
offset = 6 + 16 * len(pngs)
header = struct.pack("<HHH", 0, 1, len(pngs))
entries = b""
for side, data in pngs.items():
    # width, height, palette size (0: none given), reserved, planes, bits per pixel, size, offset
    entries += struct.pack("<BBBBHHII", side, side, 0, 0, 1, 8, len(data), offset)
    offset += len(data)
(resources / "app-icon.ico").write_bytes(header + entries + b"".join(pngs.values()))

# ICNS: "icns" and the total length, then typed chunks; icp4 and icp5 are PNGs of 16 and 32.
chunks = b"".join(kind + struct.pack(">I", 8 + len(pngs[side])) + pngs[side]
                  for kind, side in ((b"icp4", 16), (b"icp5", 32)))
(resources / "app-icon.icns").write_bytes(b"icns" + struct.pack(">I", 8 + len(chunks)) + chunks)

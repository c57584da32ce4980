"""Writes a payload folder of the sample's layout whose seven files add up to a given size.

    python3 make_payload.py <sample folder> <output folder> <total bytes>

The sample files are copied and Pellot2.jpg (an installed file) is lengthened with
pseudo-random bytes, which no compressor shrinks. The same arguments give the same bytes, and
a folder that already holds them is left alone, so that builds from it stay up to date."""
import os
import random
import shutil
import sys

NAMES = ["Corvex.exe", "en/nelvar.exe", "Lumbra.dll", "Fenwy.dll", "Pellot.png", "Pellot2.jpg", "zh/nelvar.exe"]


def main():
    sample, output, total = sys.argv[1], sys.argv[2], int(sys.argv[3])
    sizes = {name: os.path.getsize(os.path.join(sample, name)) for name in NAMES}
    padding = total - sum(sizes.values())
    if padding < 0:
        sys.exit(f"make_payload: the sample alone is larger than {total} bytes")
    target = os.path.join(output, "Pellot2.jpg")
    if os.path.exists(target) and os.path.getsize(target) == sizes["Pellot2.jpg"] + padding:
        return
    for name in NAMES:
        os.makedirs(os.path.dirname(os.path.join(output, name)), exist_ok=True)
        shutil.copyfile(os.path.join(sample, name), os.path.join(output, name))
    generator = random.Random(total)
    with open(target, "ab") as f:
        chunk = 1 << 20
        while padding > 0:
            n = min(chunk, padding)
            f.write(generator.randbytes(n))
            padding -= n


if __name__ == "__main__":
    main()

"""Prints, as UTF-8, the text of every barcode and QR code ZXing finds in a picture file.

One symbol per line as FORMAT<tab>TEXT; the exit status is 1 when nothing is found.
"""
import sys

import zxingcpp
from PIL import Image


def main() -> int:
    image = Image.open(sys.argv[1]).convert("L")
    results = zxingcpp.read_barcodes(image)
    for result in results:
        sys.stdout.buffer.write(result.format.name.encode() + b"\t" + result.text.encode("utf-8") + b"\n")
    return 0 if results else 1


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/python3
"""Writes the label files of tests/files/compat from the format's own rules, with nothing of the
editor's code: four-byte little-endian integers, blocks of magic + length + zlib stream, the header,
the offset table and the records. Run with /usr/bin/python3; the output files are committed."""

import os
import struct
import zlib

HERE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "compat")
FILE_MAGIC = b"lab 1.0 .."
BLOCK_MAGIC = bytes([0x0D, 0x0F, 0x3E, 0x03])


def u32(value):
    return struct.pack("<I", max(value, 0))


def block(data, stated_length=None):
    n = len(data) if stated_length is None else stated_length
    if not data:
        return BLOCK_MAGIC + u32(n)
    return BLOCK_MAGIC + u32(n) + zlib.compress(data, -1)


def gbk(text):
    return text.encode("gbk")


def bmp24(rows):
    """A 24-bit BMP from rows of 0xRRGGBB values, top row first."""
    height = len(rows)
    width = len(rows[0])
    stride = (width * 3 + 3) // 4 * 4
    pixels = b""
    for row in reversed(rows):  # the bottom row comes first
        line = b"".join(bytes([c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF]) for c in row)
        pixels += line + b"\0" * (stride - len(line))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 0, 0, 0, 0)
    header = b"BM" + u32(14 + 40 + len(pixels)) + u32(0) + u32(54)
    return header + info + pixels


def image_record(letter, left, top, width, height, content_block, picture_block):
    return (letter + u32(left) + u32(top) + u32(width) + u32(height)
            + u32(len(content_block)) + u32(len(picture_block)) + content_block + picture_block)


def text_record(left, top, width, height, line):
    property_block = block(line)
    return u32(left) + u32(top) + u32(width) + u32(height) + u32(len(property_block)) + property_block


def label_file(width, height, images, texts):
    table = b""
    body = b""
    for record in images + texts:
        table += u32(len(body))
        body += record
    return FILE_MAGIC + u32(width) + u32(height) + u32(len(images)) + u32(len(texts)) + table + body


W, K, R = 0xFFFFFF, 0x000000, 0xFF0000

FILES = {
    # 72 x 25 mm, no elements.
    "empty_72x25.lab": label_file(720, 250, [], []),
    # What New label writes: the magic alone.
    "placeholder.lab": FILE_MAGIC,
    # A picture, a barcode, a QR code and two texts.
    "one_of_each.lab": label_file(
        500, 300,
        [
            image_record(b"P", 40, 60, 4, 2, block(gbk("201556937")),
                         block(bmp24([[W, K, R, W], [K, W, W, R]]))),
            image_record(b"B", 100, 80, 6, 3, block(gbk("B20151231235959")),
                         block(bmp24([[K, W, K, K, W, K]] * 3))),
            image_record(b"D", 30, 150, 3, 3, block(gbk("二维码ABC")),
                         block(bmp24([[K, W, K], [W, K, W], [K, K, K]]))),
        ],
        [
            text_record(200, 120, 208, 32, gbk("0|真|假|假|假|16|黑体|[双击输入文本]")),
            text_record(210, 170, 40, 90, gbk("900|假|真|真|真|12|宋体|标签 Label")),
        ]),
    # A content holding "|", one at its end too.
    "pipe_in_content.lab": label_file(
        300, 200, [], [text_record(50, 60, 70, 20, gbk("1800|真|真|假|假|9|Arial|a|b|"))]),
    # A picture, then a text whose line has seven fields only: Open fails on it.
    "seven_fields.lab": label_file(
        300, 200,
        [image_record(b"P", 30, 40, 2, 1, block(gbk("[双击选图]")), block(bmp24([[W, K]])))],
        [text_record(50, 60, 70, 20, gbk("0|真|假|假|假|16|黑体"))]),
    # Stated lengths that are not the data's: content "ABCDEFGHIJ" says 6 (the stream ends within
    # 12 bytes: all ten come back), the picture says 20 for a 58-byte BMP (more than 40: empty).
    "stated_lengths.lab": label_file(
        300, 200,
        [image_record(b"B", 24, 48, 1, 1, block(b"ABCDEFGHIJ", stated_length=6),
                      block(bmp24([[K]]), stated_length=20))],
        []),
}


def main():
    os.makedirs(HERE, exist_ok=True)
    for name, data in FILES.items():
        with open(os.path.join(HERE, name), "wb") as out:
            out.write(data)


if __name__ == "__main__":
    main()

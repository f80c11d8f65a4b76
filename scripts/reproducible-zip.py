#!/usr/bin/env python3
"""Writes a zip whose bytes depend only on the files, their order and one time.

usage: reproducible-zip.py ZIP EPOCH NAME=FILE...

Each FILE is stored under NAME at the zip's top level, in the order given, stamped with
EPOCH (seconds since 1970, UTC), with no owner, permissions or extra time stamps.

Names are stored in GBK, without the UTF-8 flag: the compressed folders of Windows read
names in the system's code page, which is GBK on the Chinese Windows the tool is made for,
and Windows 7 ignores the flag. An Info-ZIP Unicode path field carries the UTF-8 name for
the unzip programs that read it (7-Zip, WinRAR, Info-ZIP's unzip).
"""

import struct
import sys
import time
import zipfile
import zlib

UNICODE_PATH_FIELD = 0x7075
CREATED_ON_WINDOWS = 0


class GbkNamedEntry(zipfile.ZipInfo):
    """An entry whose header holds the GBK bytes of its name."""

    def _encodeFilenameFlags(self):
        # zipfile's own choice would be UTF-8 with the flag set.
        return self.filename.encode("gbk"), self.flag_bits


def entry(name, epoch):
    info = GbkNamedEntry(name, time.gmtime(epoch)[:6])
    info.create_system = CREATED_ON_WINDOWS
    info.external_attr = 0
    if not name.isascii():
        field = struct.pack("<BI", 1, zlib.crc32(name.encode("gbk"))) + name.encode("utf-8")
        info.extra = struct.pack("<HH", UNICODE_PATH_FIELD, len(field)) + field
    return info


def main(argv):
    if len(argv) < 4 or any("=" not in pair for pair in argv[3:]):
        sys.exit(__doc__.split("\n\n")[1])
    zip_path, epoch = argv[1], int(argv[2])
    with zipfile.ZipFile(zip_path, "w") as archive:
        for pair in argv[3:]:
            name, path = pair.split("=", 1)
            with open(path, "rb") as f:
                data = f.read()
            archive.writestr(entry(name, epoch), data, compress_type=zipfile.ZIP_DEFLATED,
                             compresslevel=9)


if __name__ == "__main__":
    main(sys.argv)

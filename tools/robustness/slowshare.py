#!/usr/bin/python3
"""A read-only FUSE view of a folder that behaves like a slow or failing
server share, for tools/robustness/slow-share.sh.

    slowshare.py MOUNTPOINT -f -o direct_io

Configured by the environment:
  SLOWSHARE_ROOT         the folder shown (required)
  SLOWSHARE_RATE         bytes per second that a file is read at (0: no limit)
  SLOWSHARE_FAIL_AFTER   reads past this offset fail with EIO (the server is lost)
  SLOWSHARE_STALL_AFTER  reads past this offset wait while SLOWSHARE_STALL_FILE
                         exists (the server stops answering)
"""
import errno
import os
import threading
import time

import fuse

fuse.fuse_python_api = (0, 2)

ROOT = os.environ["SLOWSHARE_ROOT"]
RATE = int(os.environ.get("SLOWSHARE_RATE", "0"))
FAIL_AFTER = int(os.environ.get("SLOWSHARE_FAIL_AFTER", "-1"))
STALL_AFTER = int(os.environ.get("SLOWSHARE_STALL_AFTER", "-1"))
STALL_FILE = os.environ.get("SLOWSHARE_STALL_FILE", "")

# One read at a time, so that the rate holds for the file as a whole.
reading = threading.Lock()


class SlowShare(fuse.Fuse):
    def getattr(self, path):
        try:
            return os.lstat(ROOT + path)
        except OSError as error:
            return -error.errno

    def readdir(self, path, offset):
        for name in [".", ".."] + os.listdir(ROOT + path):
            yield fuse.Direntry(name)

    def open(self, path, flags):
        if flags & (os.O_WRONLY | os.O_RDWR):
            return -errno.EROFS
        return 0

    def read(self, path, size, offset):
        with reading:
            if STALL_AFTER >= 0 and offset + size > STALL_AFTER:
                while STALL_FILE and os.path.exists(STALL_FILE):
                    time.sleep(0.1)
            if FAIL_AFTER >= 0 and offset + size > FAIL_AFTER:
                return -errno.EIO
            with open(ROOT + path, "rb") as file:
                file.seek(offset)
                data = file.read(size)
            if RATE > 0:
                time.sleep(len(data) / RATE)
            return data


def main():
    server = SlowShare(dash_s_do="setsingle")
    server.parse(errex=1)
    server.multithreaded = True
    server.main()


if __name__ == "__main__":
    main()

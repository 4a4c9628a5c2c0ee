# A local FTP server for the transfer tests: one user with full rights on one folder.
# Usage: ftp_server.py PORT USER PASSWORD FOLDER
import logging
import sys

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer


def main():
    port, user, password, folder = int(sys.argv[1]), sys.argv[2], sys.argv[3], sys.argv[4]
    logging.basicConfig(level=logging.WARNING)
    authorizer = DummyAuthorizer()
    authorizer.add_user(user, password, folder, perm="elradfmw")
    handler = FTPHandler
    handler.authorizer = authorizer
    server = FTPServer(("127.0.0.1", port), handler)
    server.serve_forever()


if __name__ == "__main__":
    main()

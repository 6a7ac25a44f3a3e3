"""A mail server for the tests of the account check, on 127.0.0.1 only.

Usage: loopback_smtp_server.py KIND FOLDER USER PASSWORD

KIND is one of
  implicit-tls   TLS from the first byte, login offered
  starttls       STARTTLS offered and required before the login
  plain          no TLS, login offered over the plain connection
  no-login       no TLS and no login offered
  silent         accepts connections and never says a word

A self-signed certificate for 127.0.0.1 is made in FOLDER (cert.pem, key.pem) when it is not there yet; the
server's own remarks go to FOLDER/server.log.
The server picks a free port, prints "PORT <n>" on one line once it listens, and runs until its standard input
is closed or it receives SIGTERM. It sends no mail anywhere.
"""

import asyncio
import logging
import os
import signal
import ssl
import subprocess
import sys

from aiosmtpd.smtp import SMTP, AuthResult


def make_certificate(folder):
    cert = os.path.join(folder, "cert.pem")
    key = os.path.join(folder, "key.pem")
    if not os.path.exists(cert):
        subprocess.run(
            ["openssl", "req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes",
             "-days", "2", "-subj", "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1,DNS:localhost",
             "-keyout", key + ".new", "-out", cert + ".new"],
            check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.replace(key + ".new", key)
        os.replace(cert + ".new", cert)
    context = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
    context.load_cert_chain(cert, key)
    return context


class Handler:
    async def handle_DATA(self, server, session, envelope):
        return "554 5.7.1 This server accepts no mail"


def authenticator_for(user, password):
    def authenticate(server, session, envelope, mechanism, auth_data):
        # Not handled here: the server then answers a refusal with its own 535 line.
        return AuthResult(success=auth_data.login == user and auth_data.password == password, handled=False)
    return authenticate


class Silent(asyncio.Protocol):
    def data_received(self, data):
        pass


def protocol_factory(kind, context, user, password):
    if kind == "silent":
        return Silent
    options = {"hostname": "loopback.test", "authenticator": authenticator_for(user, password)}
    if kind == "implicit-tls":
        options.update(auth_require_tls=False, auth_required=True)
    elif kind == "starttls":
        options.update(tls_context=context, require_starttls=True, auth_required=True)
    elif kind == "plain":
        options.update(auth_require_tls=False, auth_required=True)
    elif kind == "no-login":
        options.update(auth_require_tls=True)
    else:
        raise SystemExit("unknown kind " + kind)
    return lambda: SMTP(Handler(), **options)


async def serve(kind, folder, user, password):
    logging.basicConfig(filename=os.path.join(folder, "server.log"), level=logging.INFO)
    logging.captureWarnings(True)
    context = make_certificate(folder)
    loop = asyncio.get_running_loop()
    server = await loop.create_server(protocol_factory(kind, context, user, password), host="127.0.0.1", port=0,
                                      ssl=context if kind == "implicit-tls" else None)
    print("PORT", server.sockets[0].getsockname()[1], flush=True)
    stop = loop.create_future()
    loop.add_signal_handler(signal.SIGTERM, lambda: stop.done() or stop.set_result(None))
    loop.add_reader(sys.stdin.fileno(), lambda: sys.stdin.buffer.read1() or stop.done() or stop.set_result(None))
    await stop
    # Stopping by either way: a SIGTERM that follows now ends the process at once instead of reaching a
    # handler whose loop is closing.
    loop.remove_signal_handler(signal.SIGTERM)
    server.close()


if __name__ == "__main__":
    kind, folder, user, password = sys.argv[1:5]
    asyncio.run(serve(kind, folder, user.encode(), password.encode()))

"""A mail server for the tests of the account check, on 127.0.0.1 only.

Usage: loopback_smtp_server.py KIND FOLDER USER PASSWORD [PORT]

KIND is one of
  implicit-tls      TLS from the first byte, login offered
  starttls          STARTTLS offered and required before the login
  starttls-refused  STARTTLS and a login offered, but STARTTLS answered with a refusal
  starttls-broken   STARTTLS and a login offered, but no TLS handshake follows its "220"
  starttls-echo     as starttls, and a refused login's reply repeats the password it was given
  plain             no TLS, login offered over the plain connection
  no-login          no TLS and no login offered
  silent            accepts connections and never says a word

A self-signed certificate for 127.0.0.1 is made in FOLDER (cert.pem, key.pem) when it is not there yet; the
server's own remarks go to FOLDER/server.log, and every AUTH command it receives adds a line to FOLDER/auth.log.
The server listens on PORT, or else on a free port, prints "PORT <n>" on one line once it listens, and runs until
its standard input is closed or it receives SIGTERM. It sends no mail anywhere.
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


def authenticator_for(user, password, echo):
    def authenticate(server, session, envelope, mechanism, auth_data):
        accepted = auth_data.login == user and auth_data.password == password
        if echo and not accepted:
            message = "535 5.7.8 Wrong password " + auth_data.password.decode(errors="replace") + ", try again"
            return AuthResult(success=False, handled=False, message=message)
        # Not handled here: the server then answers a refusal with its own 535 line.
        return AuthResult(success=accepted, handled=False)
    return authenticate


class RecordingSMTP(SMTP):
    """Notes every AUTH command in auth.log before handling it, so that a test can tell whether a login came."""

    def __init__(self, *args, folder, starttls, **kwargs):
        super().__init__(*args, **kwargs)
        self._folder = folder
        self._starttls = starttls

    async def smtp_AUTH(self, arg):
        with open(os.path.join(self._folder, "auth.log"), "a") as log:
            encrypted = self.transport.get_extra_info("ssl_object") is not None
            log.write("AUTH " + arg.split(" ")[0] + " tls=" + str(encrypted) + "\n")
        await super().smtp_AUTH(arg)

    async def smtp_STARTTLS(self, arg):
        if self._starttls == "refused":
            await self.push("454 4.7.0 TLS not available at the moment")
        elif self._starttls == "broken":
            await self.push("220 Ready to start TLS")
            self.transport.write(b"this is no TLS handshake\r\n")
            self.transport.close()
        else:
            await super().smtp_STARTTLS(arg)


class Silent(asyncio.Protocol):
    def data_received(self, data):
        pass


def protocol_factory(kind, folder, context, user, password):
    if kind == "silent":
        return Silent
    options = {"hostname": "loopback.test", "authenticator": authenticator_for(user, password, kind == "starttls-echo"),
               "folder": folder, "starttls": kind[len("starttls-"):] if kind.startswith("starttls-") else ""}
    if kind == "implicit-tls":
        options.update(auth_require_tls=False, auth_required=True)
    elif kind in ("starttls", "starttls-echo"):
        options.update(tls_context=context, require_starttls=True, auth_required=True)
    elif kind in ("starttls-refused", "starttls-broken"):
        # A login is offered before TLS, so that a client that goes on without TLS would send it.
        options.update(tls_context=context, auth_require_tls=False, auth_required=True)
    elif kind == "plain":
        options.update(auth_require_tls=False, auth_required=True)
    elif kind == "no-login":
        options.update(auth_require_tls=True)
    else:
        raise SystemExit("unknown kind " + kind)
    return lambda: RecordingSMTP(Handler(), **options)


async def serve(kind, folder, user, password, port):
    logging.basicConfig(filename=os.path.join(folder, "server.log"), level=logging.INFO)
    logging.captureWarnings(True)
    context = make_certificate(folder)
    loop = asyncio.get_running_loop()
    server = await loop.create_server(protocol_factory(kind, folder, context, user, password), host="127.0.0.1",
                                      port=port,
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
    port = int(sys.argv[5]) if len(sys.argv) > 5 else 0
    asyncio.run(serve(kind, folder, user.encode(), password.encode(), port))

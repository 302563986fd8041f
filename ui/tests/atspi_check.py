# SPDX-License-Identifier: GPL-3.0-or-later
"""The workbench as a screen reader or an automation tool meets it: through
AT-SPI, the desktop's accessibility bus, with no help from Qt's test tools.

It starts `APP --banco` with a screw drive, finds the text field named
«Micropassi», sets its text through AT-SPI's EditableText as a screen reader's
"set text" does, and waits for the field named «Step/mm» to show what the
command line CLI prints for the same options. It sets a text that cannot be
used and reads that field's invalid text attribute on and off again, hearing
of no description change but that field's, and it finds the drop-down named
«Firmware» (not "Grbl", its choice).

Usage: atspi_check.py APP CLI
It starts its own X server (Xvfb, on a display it finds free) and its own
session bus, on which the accessibility bus starts when first asked for.
Ends with status 0 when all holds, 1 on the first failure, 77 (a skip for
ctest) when a tool it needs is missing, unless CI is set: then 1.
"""

import os
import shutil
import signal
import subprocess
import sys
import time

OPTIONS = ["--micropassi", "16", "--passo-vite", "8", "--firmware", "grbl"]
LOCALE = {"LC_ALL": "C.UTF-8"}  # for both programs, so that both write '.'
WAIT_SECONDS = 30


def fail(message):
    print(f"FAIL: {message}", file=sys.stderr)
    sys.exit(1)


def missing(what):
    print(f"atspi_check: {what} is missing", file=sys.stderr)
    sys.exit(1 if os.environ.get("CI") else 77)


try:
    import gi

    gi.require_version("Atspi", "2.0")
    from gi.repository import Atspi, Gio, GLib
except (ImportError, ValueError):
    missing("Python's AT-SPI binding (python3-gi, gir1.2-atspi-2.0)")
for tool in ("Xvfb", "dbus-daemon"):
    if not shutil.which(tool):
        missing(tool)
if not os.path.exists("/usr/share/dbus-1/services/org.a11y.Bus.service"):
    missing("the accessibility bus (at-spi2-core)")


def dispatch_events():
    while GLib.MainContext.default().iteration(False):
        pass


def wait_for(what, probe):
    """probe()'s first true value within WAIT_SECONDS; fails naming `what`.
    The events that come meanwhile are dispatched."""
    deadline = time.monotonic() + WAIT_SECONDS
    while time.monotonic() < deadline:
        dispatch_events()
        found = probe()
        if found:
            return found
        time.sleep(0.1)
    fail(f"{what} within {WAIT_SECONDS} s")


def started(command):
    """`command` started with a pipe on which it writes one line, that line."""
    read, write = os.pipe()
    process = subprocess.Popen([arg.replace("FD", str(write)) for arg in command], pass_fds=[write],
                               stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    os.close(write)
    with os.fdopen(read) as pipe:
        line = pipe.readline().strip()
    if not line:
        fail(f"{command[0]} did not start")
    return process, line


def enable_accessibility():
    """Tells the session what a screen reader's start tells it, for the
    toolkits that ask (Qt also has QT_LINUX_ACCESSIBILITY_ALWAYS_ON)."""
    bus = Gio.bus_get_sync(Gio.BusType.SESSION)
    bus.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
                  GLib.Variant("(ssv)", ("org.a11y.Status", "IsEnabled",
                                         GLib.Variant("b", True))),
                  None, Gio.DBusCallFlags.NONE, -1)


def application_of(pid):
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        application = desktop.get_child_at_index(i)
        if application and application.get_process_id() == pid:
            return application
    return None


def named(node, name, roles):
    """The first node under `node`, depth first, called `name` in one of `roles`."""
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is None:
            continue
        if child.get_name() == name and child.get_role() in roles:
            return child
        found = named(child, name, roles)
        if found:
            return found
    return None


def text_of(field):
    return Atspi.Text.get_text(field, 0, Atspi.Text.get_character_count(field))


def invalid_attribute(field):
    attributes = Atspi.Text.get_attribute_run(field, 0, False)[0]
    return attributes.get("invalid", "")


def steps_per_mm(cli, microsteps):
    options = OPTIONS.copy()
    options[options.index("--micropassi") + 1] = microsteps
    printed = subprocess.run([cli, *options], env=dict(os.environ, **LOCALE), capture_output=True,
                             text=True, check=True).stdout
    for line in printed.splitlines():
        if line.startswith("Step/mm: "):
            return line.removeprefix("Step/mm: ")
    fail(f"no Step/mm line in the command line's output:\n{printed}")


# The names of the objects whose description changed, as a screen reader
# hears of them.
described = set()


def listen_to_descriptions():
    def heard(event):
        described.add(event.source.get_name())

    listener = Atspi.EventListener.new(heard)
    listener.register("object:property-change:accessible-description")
    return listener


def check_marked(microsteps, text, invalid):
    described.clear()
    Atspi.EditableText.set_text_contents(microsteps, text)
    state = "invalid" if invalid else "valid"
    wait_for(f"«Micropassi» {state} while it holds {text}",
             lambda: invalid_attribute(microsteps) == invalid)
    # Qt sent the description's change before it answered the question above.
    dispatch_events()
    if described != {"Micropassi"}:
        fail(f"with {text} in «Micropassi», the descriptions heard to change are those of "
             f"{sorted(described)}")


def check(application, cli):
    text_roles = (Atspi.Role.TEXT, Atspi.Role.ENTRY)
    microsteps = wait_for("a text field named «Micropassi»",
                          lambda: named(application, "Micropassi", text_roles))
    result = named(application, "Step/mm", text_roles)
    if result is None:
        fail("no text field named «Step/mm»")
    if named(application, "Firmware", (Atspi.Role.COMBO_BOX,)) is None:
        fail("no drop-down named «Firmware»")

    expected = steps_per_mm(cli, "32")
    if not Atspi.EditableText.set_text_contents(microsteps, "32"):
        fail("«Micropassi» refused the text 32")
    wait_for(f"«Step/mm» showing {expected}", lambda: text_of(result) == expected)

    if invalid_attribute(microsteps):
        fail("«Micropassi» is invalid while it holds 32")
    check_marked(microsteps, "abc", "true")
    check_marked(microsteps, "32", "")


def main(app, cli):
    # Their output and that of the services the bus starts go nowhere, so
    # that none holds ctest's pipes open after the check.
    bus, address = started(["dbus-daemon", "--session", "--nofork", "--print-address=FD"])
    x_server, display = started(["Xvfb", "-displayfd", "FD", "-screen", "0", "1280x1024x24",
                                 "-nolisten", "tcp"])
    os.environ.update(DBUS_SESSION_BUS_ADDRESS=address, DISPLAY=f":{display}")
    try:
        run(app, cli)
    finally:
        for process in (x_server, bus):
            process.terminate()
            process.wait(WAIT_SECONDS)


def run(app, cli):
    enable_accessibility()
    # Before the workbench starts, so that it knows from the first that
    # someone listens.
    listener = listen_to_descriptions()
    environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
                       **LOCALE)
    workbench = subprocess.Popen([app, "--banco", *OPTIONS], env=environment)

    def running_application():
        if workbench.poll() is not None:
            fail(f"the workbench ended with status {workbench.returncode}")
        return application_of(workbench.pid)

    try:
        application = wait_for("the workbench on the accessibility bus", running_application)
        check(application, cli)
    finally:
        if workbench.poll() is None:
            workbench.send_signal(signal.SIGTERM)
        workbench.wait(WAIT_SECONDS)
        listener.deregister("object:property-change:accessible-description")
    print("the workbench answered through AT-SPI")


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])

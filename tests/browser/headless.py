"""What the browser tests share: the headless export call and headless Chromium."""
import os
import shutil
import subprocess

try:
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
except ImportError:
    webdriver = None

ENV = dict(os.environ, QT_QPA_PLATFORM="offscreen")


def export(program, option, page, document):
    subprocess.run([program, option, page, document], check=True, env=ENV)


def export_refused(program, option, page):
    """A document that cannot be loaded: a German message, an exit code, no page."""
    missing = os.path.join(os.path.dirname(page), "fehlt.gsd")
    failed = subprocess.run([program, option, page, missing], env=ENV, capture_output=True,
                            text=True)
    assert failed.returncode != 0 and "Fehler" in failed.stderr, failed
    assert not os.path.exists(page)


def chromium_missing():
    """Why the browser tests cannot run here, or None."""
    if webdriver is None or not shutil.which("chromium") or not shutil.which("chromedriver"):
        return ("chromium, chromium-driver or python3-selenium is not installed "
                "(sh scripts/setup --browser installs them)")
    return None


def chromium(folder):
    """Headless Chromium with its own profile in folder and the console kept for get_log."""
    options = webdriver.ChromeOptions()
    options.binary_location = shutil.which("chromium")
    for flag in ("headless no-sandbox disable-gpu disable-quic no-first-run disable-sync "
                 "disable-background-networking disable-component-update").split():
        options.add_argument("--" + flag)
    options.add_argument("--user-data-dir=" + os.path.join(folder, "profile"))
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    return webdriver.Chrome(service=Service(shutil.which("chromedriver")), options=options)

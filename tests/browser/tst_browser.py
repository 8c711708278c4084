#!/usr/bin/python3
"""tst_browser.py PROGRAM DOCUMENT: the exported page in headless Chromium (typing, arrow
keys, check and solution buttons); exit code 77 (skipped) without Chromium or Selenium."""
import os
import shutil
import subprocess
import sys
import tempfile

try:
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
    from selenium.webdriver.common.by import By
    from selenium.webdriver.common.keys import Keys
except ImportError:
    webdriver = None



def main(program, document):
    folder = tempfile.mkdtemp()
    page = os.path.join(folder, "seite.htm")
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    # A document that cannot be loaded: a German message, an exit code, no page.
    failed = subprocess.run([program, "--export-html", page, os.path.join(folder, "fehlt.gsd")],
                            env=env, capture_output=True, text=True)
    assert failed.returncode != 0 and "Fehler" in failed.stderr, failed
    assert not os.path.exists(page)

    if webdriver is None or not shutil.which("chromium") or not shutil.which("chromedriver"):
        print("SKIP: chromium, chromium-driver or python3-selenium is not installed "
              "(sh scripts/setup --browser installs them)")
        return 77
    subprocess.run([program, "--export-html", page, document], check=True, env=env)

    options = webdriver.ChromeOptions()
    options.binary_location = shutil.which("chromium")
    for flag in ("headless no-sandbox disable-gpu disable-quic no-first-run disable-sync "
                 "disable-background-networking disable-component-update").split():
        options.add_argument("--" + flag)
    options.add_argument("--user-data-dir=" + os.path.join(folder, "profile"))
    driver = webdriver.Chrome(service=Service(shutil.which("chromedriver")),
                              options=options)
    try:
        driver.get("file://" + page)
        field = lambda i: driver.find_element(By.NAME, "ln%d" % i)
        focused = lambda: driver.switch_to.active_element.get_attribute("name")

        # Inputs run down each column: ln0 F, ln1 Š below it, ln2 U, ln3 ß, ln4 "-" below ß;
        # the field left of ln4 is a block.
        field(0).click()
        for keys, expected in (("f" + Keys.ARROW_RIGHT, "ln2"), ("u" + Keys.ARROW_RIGHT, "ln3"),
                               ("ß" + Keys.ARROW_DOWN, "ln4"), (Keys.ARROW_LEFT, "ln4"),
                               (Keys.ARROW_UP + Keys.ARROW_LEFT + Keys.ARROW_LEFT, "ln0"),
                               (Keys.ARROW_DOWN + "š", "ln1")):
            driver.switch_to.active_element.send_keys(keys)
            assert focused() == expected, (keys, focused(), expected)
        assert [field(i).get_attribute("value") for i in (0, 2)] == ["F", "U"]

        def check():
            driver.find_element(By.CSS_SELECTOR, "input[value='Überprüfen']").click()
            alert = driver.switch_to.alert
            text = alert.text
            alert.accept()
            return text

        assert check() == 'Gelöst! "Fuß" \\o/', check()
        field(2).clear()
        field(2).send_keys("x")
        assert check() == "Leider ist noch nicht alles richtig."

        for i in range(5):
            field(i).clear()
        driver.find_element(By.CSS_SELECTOR, "input[value='Lösung']").click()
        values = [field(i).get_attribute("value") for i in range(5)]
        assert values == ["F", "Š", "U", "ß", "-"], values
    finally:
        driver.quit()
        shutil.rmtree(folder, ignore_errors=True)
    print("PASS")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))

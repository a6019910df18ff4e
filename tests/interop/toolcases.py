"""What the report tool's interop checks share: a list of failures, and each case run in a
folder of its own with a private configuration and temporary folder, under US forms."""
import os
import sys
import tempfile

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def run_cases(label, cases, check_case):
    """Runs check_case(tool, folder, case) for each case; prints the failures and returns
    the exit status."""
    tool = sys.argv[1]
    for case in cases:
        with tempfile.TemporaryDirectory() as folder:
            env_folder = os.path.join(folder, "tmp")
            os.mkdir(env_folder)
            os.environ["TMPDIR"] = env_folder
            os.environ["XDG_CONFIG_HOME"] = os.path.join(folder, "config")
            # Dates and numbers are written in the user's forms; these are US ones.
            os.environ["LC_ALL"] = "en_US.UTF-8"
            check_case(tool, folder, case)
    for f in failures:
        print("FAIL:", f)
    print(f"{label}: {len(failures)} failures of {len(cases)} cases")
    return 1 if failures else 0

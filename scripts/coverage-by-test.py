#!/usr/bin/env python3
"""Which lines and branches of src/ each test alone covers.

Run after scripts/coverage.sh (it needs the build in build-coverage/): every ctest test runs
once more on its own, its counts written to a folder of its own (GCOV_PREFIX), and gcov reads
each folder. A test that covers nothing no other test covers is a candidate to merge; the
report lists, per test, the lines only it reaches, so that a merge keeps a case reaching them.

    python3 scripts/coverage-by-test.py [BUILD_DIR] > by-test.txt
"""
import collections
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile

top = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
build = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(top, 'build-coverage'))
src = os.path.join(top, 'src') + os.sep


def tests():
    out = subprocess.run(['ctest', '-N'], cwd=build, capture_output=True, text=True, check=True).stdout
    return re.findall(r'^\s*Test\s+#\d+: (\S+)', out, re.M)


def run(name, folder):
    env = dict(os.environ, GCOV_PREFIX=folder)
    result = subprocess.run(['ctest', '-R', '^' + re.escape(name) + '$', '--timeout', '600'],
                            cwd=build, env=env, capture_output=True, text=True)
    if result.returncode != 0:
        print(f'{name} failed; its counts are still used', file=sys.stderr)


def covered(folder):
    """(file, line) and (file, line, branch) taken, read from the counts below folder."""
    counts = []
    for here, _, names in os.walk(folder):
        for name in names:
            if name.endswith('.gcda'):
                data = os.path.join(here, name)
                notes = data[len(folder):-5] + '.gcno'
                if os.path.exists(notes):
                    os.symlink(notes, data[:-5] + '.gcno')
                    counts.append(data)
    lines, branches = set(), set()
    for i in range(0, len(counts), 40):
        out = subprocess.run(['gcov', '--json-format', '--stdout', '--branch-probabilities'] + counts[i:i + 40],
                             cwd=folder, capture_output=True, text=True).stdout
        for doc in filter(lambda d: d.startswith('{'), out.splitlines()):
            report = json.loads(doc)
            for entry in report['files']:
                path = os.path.normpath(os.path.join(report.get('current_working_directory', ''), entry['file']))
                if not path.startswith(src):
                    continue
                path = os.path.relpath(path, top)
                for line in entry['lines']:
                    if line['count'] > 0:
                        lines.add((path, line['line_number']))
                    for k, branch in enumerate(line.get('branches', [])):
                        if branch['count'] > 0:
                            branches.add((path, line['line_number'], k))
    return lines, branches


def main():
    work = tempfile.mkdtemp(prefix='coverage-by-test-')
    try:
        data = {}
        for name in tests():
            folder = os.path.join(work, name)
            run(name, folder)
            data[name] = covered(folder)
            print(f'{name}: {len(data[name][0])} lines', file=sys.stderr, flush=True)
    finally:
        shutil.rmtree(work)
    line_users = collections.Counter(x for lines, _ in data.values() for x in lines)
    branch_users = collections.Counter(x for _, branches in data.values() for x in branches)
    print(f'# all tests: {len(line_users)} lines, {len(branch_users)} branches of src/ taken')
    print('# test | lines | branches | lines no other test covers | branches no other test takes')
    unique = {n: sorted(x for x in lines if line_users[x] == 1) for n, (lines, _) in data.items()}
    for name in sorted(data, key=lambda n: len(unique[n])):
        lines, branches = data[name]
        only = sum(1 for x in branches if branch_users[x] == 1)
        print(f'{name} | {len(lines)} | {len(branches)} | {len(unique[name])} | {only}')
    print('\n# the lines only this test covers, by file')
    for name in sorted(data):
        print(f'## {name}')
        by_file = collections.defaultdict(list)
        for path, number in unique[name]:
            by_file[path].append(str(number))
        for path in sorted(by_file):
            print(f'  {path}: {",".join(by_file[path])}')


if __name__ == '__main__':
    main()

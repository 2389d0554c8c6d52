#!/usr/bin/env python3
"""Plants one fault at a time in a checkout, builds, runs the tests, records
whether any test failed, and reverts the file.  Run it in a checkout of its
own with a configured build directory:
  KUMORA_TREE=/path/to/checkout python3 harness.py FAULTS RESULTS.jsonl [IDS...]
faults file: blocks separated by blank lines:
  id: R1-01
  file: rules/movement.cpp
  old: <exact text, unique in file>
  new: <replacement>
  what: description
  quick: ctest regex for a first subset (optional)
"""
import subprocess, sys, os, re, json, time
WT = os.environ.get('KUMORA_TREE', os.getcwd())
BUILD = WT + '/build'
ENV = dict(os.environ, QT_QPA_PLATFORM='offscreen', SDL_AUDIODRIVER='dummy')

def parse(path):
    faults = []
    for block in open(path, encoding='utf-8').read().split('\n\n'):
        f = {}
        for line in block.strip('\n').split('\n'):
            if not line.strip() or line.startswith('#'):
                continue
            k, _, v = line.partition(': ')
            f[k.strip()] = v.replace('\\n', '\n')
        if f:
            faults.append(f)
    return faults

def run(cmd, cwd=WT, timeout=3600):
    p = subprocess.run(cmd, cwd=cwd, env=ENV, shell=True, capture_output=True, text=True, timeout=timeout)
    return p.returncode, p.stdout + p.stderr

def failed_tests(out):
    m = out.split('The following tests FAILED:')
    if len(m) < 2:
        return []
    names = re.findall(r'^\s*\d+ - (\S+)', m[1], re.M)
    return names

def plant(f):
    path = os.path.join(WT, f['file'])
    text = open(path, encoding='utf-8').read()
    n = text.count(f['old'])
    if n != 1:
        raise SystemExit(f"{f['id']}: old text found {n} times in {f['file']}")
    line = text[:text.index(f['old'])].count('\n') + 1
    open(path, 'w', encoding='utf-8').write(text.replace(f['old'], f['new']))
    return line

def revert(f):
    subprocess.run(['git', 'checkout', '--', f['file']], cwd=WT, check=True)
    st = subprocess.run(['git', 'status', '--porcelain', '--untracked-files=no'], cwd=WT, capture_output=True, text=True).stdout
    if f['file'] in st:
        raise SystemExit('revert failed')

def main():
    faults = parse(sys.argv[1])
    results_path = sys.argv[2]
    only = set(sys.argv[3:])
    done = {}
    if os.path.exists(results_path):
        for l in open(results_path):
            r = json.loads(l)
            done[r['id']] = r
    for f in faults:
        if f['id'] in done or (only and f['id'] not in only):
            continue
        t0 = time.time()
        line = plant(f)
        try:
            rc, out = run('nice cmake --build build -j2')
            if rc != 0:
                res = dict(id=f['id'], file=f['file'], line=line, what=f.get('what',''), result='BUILD-FAIL', by=[out[-1500:]])
            else:
                by = []
                stage = ''
                if f.get('quick'):
                    rc, out = run(f"nice ctest -j2 --timeout 300 -R '{f['quick']}'", cwd=BUILD)
                    by = failed_tests(out)
                    stage = 'quick'
                if not by:
                    rc, out = run('nice ctest -j2 --timeout 300', cwd=BUILD)
                    by = failed_tests(out)
                    stage = 'full'
                    if rc != 0 and not by:
                        by = ['?rc=%d' % rc]
                res = dict(id=f['id'], file=f['file'], line=line, what=f.get('what',''),
                           result='CAUGHT' if by else 'SURVIVED', by=by, stage=stage)
        finally:
            revert(f)
        res['secs'] = round(time.time() - t0)
        with open(results_path, 'a') as o:
            o.write(json.dumps(res, ensure_ascii=False) + '\n')
        print(res['id'], res['result'], res['by'][:4] if res['result'] != 'BUILD-FAIL' else '', res['secs'], flush=True)

if __name__ == '__main__':
    main()

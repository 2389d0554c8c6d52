#!/usr/bin/env python3
"""Writes a long random walk through the program as a scenario script.

  make_walk.py RUNNER SEED STEPS OUT.scenario [RUNNER OPTIONS...]

The walk is played against the runner as it goes: it asks the position, the
window and the legal moves (queries that change nothing and are not written
to the script) and chooses what a restless person would do next: mostly a
legal move clicked cell by cell, sometimes a stray click, a menu item, a
step through the record, a hint, a saved or read record, the clock, a
restart.  A Yes/No box gets a random answer written before the command that
raised it; a command that ends the program is left out.  The script is data:
its trace (what the window showed after every command) is what the tests
compare, so the walk is made once and stored.
"""
import os
import random
import subprocess
import sys
import tempfile

END = '@@end'


class Runner:
    def __init__(self, runner, options):
        self.runner, self.options = runner, options
        self.process = None

    def start(self, script):
        self.stop()
        self.folder = tempfile.mkdtemp(prefix='kumora-walk-')
        env = dict(os.environ, QT_QPA_PLATFORM='offscreen', SDL_AUDIODRIVER='dummy',
                   LC_MESSAGES='C')
        env.pop('LC_ALL', None)
        self.process = subprocess.Popen(
            ['stdbuf', '-oL', self.runner, '--dir', self.folder] + self.options + ['-'],
            stdin=subprocess.PIPE, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
            text=True, encoding='utf-8', env=env)
        return self.send(script)

    def send(self, lines):
        """Runs the lines; answers their output and whether the runner still runs."""
        try:
            for line in lines:
                self.process.stdin.write(line + '\n')
            self.process.stdin.write('echo ' + END + '\n')
            self.process.stdin.flush()
        except BrokenPipeError:
            return [], False
        output = []
        for line in self.process.stdout:
            line = line.rstrip('\n')
            if line == END:
                return output, True
            output.append(line)
        self.process.wait()
        return output, False

    def stop(self):
        if self.process:
            self.process.kill()
            self.process.wait()
            subprocess.run(['rm', '-rf', self.folder])
            self.process = None


class Walk:
    def __init__(self, runner, seed):
        self.runner = runner
        self.random = random.Random(seed)
        self.script = []
        self.runner.start([])
        self.saved = 0

    # --- the runner -------------------------------------------------------
    def query(self, command):
        output, alive = self.runner.send([command])
        assert alive, 'the runner ended on a query'
        return output

    def state(self):
        for line in self.query('dump'):
            if line.startswith('state '):
                return dict(word.split('=') for word in line.split()[1:])
        raise RuntimeError('no state line')

    def files(self):
        lines = self.query('window')
        for line in lines:
            if line.startswith('files'):
                names = line[len('files'):].split('" "')
                return [name.strip(' "') for name in names if name.strip(' "')]
        return []

    def moves(self):
        return [line.split()[1:] for line in self.query('moves') if line.startswith('legal ')]

    def run(self, command):
        """Runs one command of the walk; False when it was left out."""
        output, alive = self.runner.send([command])
        if alive and 'error unanswered' not in output:
            self.script.append(command)
            return output
        for answer in self.random.sample(['yes', 'no'], 2):
            output, alive = self.runner.start(self.script + ['answer ' + answer, command])
            if alive and 'error unanswered' not in output:
                self.script += ['answer ' + answer, command]
                return output
        self.runner.start(self.script)
        return None

    # --- what a person does -----------------------------------------------
    def move(self):
        moves = self.moves()
        if not moves:
            return self.menu()
        # Drops are few among the moves: take one half of the time there is one.
        drops = [move for move in moves if move[2].split(',')[0] in ('-1', '11')]
        if drops and self.random.random() < 0.5:
            moves = drops
        moved, placed, *cells = self.random.choice(moves)
        for i, cell in enumerate(cells):
            x, y = cell.split(',')
            # A promotion is asked for with the right button on the last cell.
            button = ' right' if i == len(cells) - 1 and moved != placed else ''
            output = self.run(f'click {x} {y}{button}')
            if output is None or any(line.startswith('box') for line in output):
                break

    def stray_click(self):
        x = self.random.choice([-1, 11] + list(range(1, 10)) * 3)
        y = self.random.randint(0, 10)
        button = ' right' if self.random.random() < 0.15 else ''
        self.run(f'click {x} {y}{button}')

    def menu(self):
        weights = {
            'REPLAY': 8, 'AFTER': 6, 'MATTA': 5, 'HINT': 5, 'START': 3, 'SENTE': 2, 'GOTE': 2,
            'REVERSE': 2, 'LBEL_UP': 2, 'LEBEL_DOWN': 2, 'CANCEL': 1, 'ZENKAI': 1, 'SAIKIN': 1,
            'LEVEL1': 1, 'LEVEL2': 1, 'LEVEL3': 1, 'LEVEL4': 1, 'LEVEL5': 1,
            'MIDORI': 1, 'TATAMI': 1, 'TAKE': 1, 'UCHU': 1, 'RENGA': 1,
            'SIDOU': 2, 'KEIKA': 2, 'BGM': 1, 'VER': 1, 'TAIKYOKU': 1, 'OWARI': 1,
        }
        name = self.random.choices(list(weights), list(weights.values()))[0]
        self.run('menu ' + name)

    def write_record(self):
        if self.run('menu KIFU_WRITE') is None:
            return
        texts = ['', '練習', '山田', 'Bob', 'ｶﾀｶﾅ', '対局 二']
        for box in self.random.sample(['Text2', 'Text3', 'Text4'], self.random.randint(0, 3)):
            self.run(f'type {box} {self.random.choice(texts)}')
        self.saved += 1
        name = self.random.choice([f'walk {self.saved}', f'walk {self.saved}', '', 'walk 1'])
        self.run(f'type Text1 {name}')
        self.run('return')

    def read_record(self):
        if self.run('menu KIFU_READ') is None:
            return
        files = self.files()
        if files and self.random.random() < 0.85:
            self.run('pick ' + self.random.choice(files))
        self.run('return' if self.random.random() < 0.5 else 'menu TAIKYOKU')

    def clock(self):
        self.run(f'time {36000 + len(self.script) * 7.3:.1f}')
        self.run('tick')

    def step(self):
        state = self.state()
        if state['turn'] == '0' or state['winner'] != '0':
            choice = self.random.random()
            if choice < 0.2:
                return self.run(self.random.choice(['menu LBEL_UP', 'menu LEBEL_DOWN']))
            if choice < 0.6:
                return self.run(self.random.choice(
                    ['menu START'] * 4 + ['menu SENTE', 'menu GOTE', 'menu ZENKAI']))
        actions = [(self.move, 60), (self.stray_click, 6), (self.menu, 18), (self.clock, 6),
                   (self.write_record, 2), (self.read_record, 2),
                   (lambda: self.run('key ' + self.random.choice(['27', '13', '65'])), 1),
                   (lambda: self.run('restart'), 1)]
        action = self.random.choices([a for a, _ in actions], [w for _, w in actions])[0]
        action()


def main():
    runner, seed, steps, out = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), sys.argv[4]
    options = sys.argv[5:]
    walk = Walk(Runner(runner, options), seed)
    while len(walk.script) < steps:
        walk.step()
    walk.runner.stop()
    with open(out, 'w', encoding='utf-8') as file:
        file.write(f'# A random walk through the program (seed {seed}), made by make_walk.py.\n')
        if options:
            file.write('# runner options: ' + ' '.join(options) + '\n')
        file.write('\n'.join(walk.script) + '\n')


if __name__ == '__main__':
    main()

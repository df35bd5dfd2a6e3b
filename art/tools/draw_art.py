"""Writes the game's pictures into the art folder: python3 art/tools/draw_art.py [folder].

Deterministic: the same files come out on every run."""
import os, sys
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import balloons, basket, check, icon, trophy  # noqa: E401
OUT = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), '..')

def write(name, text):
    with open(os.path.join(OUT, name), 'w', newline='\n') as f:
        f.write(text)

for colour, make in balloons.ALL.items():
    write('balloon_%s.svg' % colour, make().svg('%s balloon' % colour))
write('basket.svg', basket.make().svg('lidded picnic basket; the loader fills in the colours'))
write('trophy.svg', trophy.make().svg('winner trophy'))
write('check.svg', check.make().svg('green check mark for the OK button'))
icon.write(write)

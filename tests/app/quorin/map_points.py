# Counts the stored-point markers on the map of a screenshot: 5 x 5 dark squares with a light inside,
# within the plot. Prints the count. A small PNG reader: 8-bit RGB or RGBA, not interlaced.
import struct
import sys
import zlib


def read_png(path):
    data = open(path, 'rb').read()
    pos, idat, width, height, channels = 8, b'', 0, 0, 3
    while pos < len(data):
        length, kind = struct.unpack('>I4s', data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b'IHDR':
            width, height, depth, colour = struct.unpack('>IIBB', body[:10])
            if depth != 8 or colour not in (2, 6):
                sys.exit('unsupported PNG')
            channels = 3 if colour == 2 else 4
        elif kind == b'IDAT':
            idat += body
        pos += 12 + length
    raw, stride, rows, previous = zlib.decompress(idat), width * channels, [], bytearray(width * channels)
    for y in range(height):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            left = line[i - channels] if i >= channels else 0
            up, corner = previous[i], previous[i - channels] if i >= channels else 0
            if kind == 1:
                line[i] = (line[i] + left) & 255
            elif kind == 2:
                line[i] = (line[i] + up) & 255
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 255
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                line[i] = (line[i] + (left if pa <= pb and pa <= pc else up if pb <= pc else corner)) & 255
        rows.append(line)
        previous = line
    return width, height, lambda x, y: sum(rows[y][x * channels:x * channels + 3])


def main():
    width, height, level = read_png(sys.argv[1])
    top, bottom = int(sys.argv[2]), int(sys.argv[3])
    dark = [[level(x, y) < 200 for x in range(width)] for y in range(height)]
    light = [[level(x, y) > 600 for x in range(width)] for y in range(height)]
    ring = [(dx, dy) for dx in range(-2, 3) for dy in range(-2, 3) if max(abs(dx), abs(dy)) == 2]
    inside = [(dx, dy) for dx in range(-1, 2) for dy in range(-1, 2)]
    found = 0
    for y in range(top + 2, min(bottom, height) - 2):
        for x in range(2, width - 2):
            if not dark[y - 2][x - 2] or not light[y][x]:
                continue
            if all(dark[y + dy][x + dx] for dx, dy in ring) and all(light[y + dy][x + dx] for dx, dy in inside):
                found += 1
    print(found)


main()

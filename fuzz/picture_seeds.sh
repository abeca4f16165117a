#!/usr/bin/env bash
# Writes the seed corpora of fuzz_bmp and fuzz_jpeg: small pictures of every
# header, depth, coding and colour space the loaders read. Uses ImageMagick
# for the common kinds and writes the rarer bitmap kinds byte by byte.
# The outputs are committed; rerun only to change the seeds.
set -euo pipefail
cd "$(dirname "$0")"
../scripts/install-deps.sh --fuzz
bmp=corpus/fuzz_bmp; jpg=corpus/fuzz_jpeg
mkdir -p $bmp $jpg crashes/fuzz_bmp crashes/fuzz_jpeg
touch crashes/fuzz_bmp/.keep crashes/fuzz_jpeg/.keep
src=(-size 7x5 gradient:red-blue)

convert "${src[@]}" BMP3:$bmp/info24.bmp
convert "${src[@]}" BMP2:$bmp/core24.bmp
convert "${src[@]}" -type palette -compress RLE BMP3:$bmp/rle8.bmp
convert "${src[@]}" -type palette BMP3:$bmp/info8.bmp
convert -size 9x3 gradient: -type bilevel BMP3:$bmp/info1.bmp
convert "${src[@]}" -define bmp:subtype=RGB565 BMP:$bmp/v5_565.bmp
convert "${src[@]}" -alpha set -channel A -evaluate set 50% BMP:$bmp/v5_argb.bmp
convert "${src[@]}" -define bmp:format=bmp4 -alpha set BMP:$bmp/v4_argb.bmp

python3 - "$bmp" <<'PY'
import struct, sys
out = sys.argv[1]
def file_header(off): return b'BM' + struct.pack('<IHHI', 0, 0, 0, off)
def info(w, h, bits, comp=0, used=0, size=40): return struct.pack('<IiiHHIIiiII', size, w, h, 1, bits, comp, 0, 2835, 2835, used, 0)
pal = bytes([0,0,0,0, 0,0,255,0, 0,255,0,0, 255,0,0,0])
# RLE4: runs, an odd absolute run, a delta, end of line and end of bitmap.
rle4 = bytes([3,0x12, 0,5,0x30,0x12,0x30,0, 0,0, 0,2,1,1, 2,0x33, 0,1])
open(out + '/rle4.bmp', 'wb').write(file_header(70) + info(8, 3, 4, 2, 4) + pal + rle4)
# 4-bit top-down with a short palette.
open(out + '/topdown4.bmp', 'wb').write(file_header(62) + info(3, -2, 4, 0, 2) + pal[:8] + bytes([0x01,0xF0,0,0, 0x10,0x00,0,0]))
# 2-bit, two rows of 5 pixels.
open(out + '/info2.bmp', 'wb').write(file_header(70) + info(5, 2, 2) + pal + bytes([0x1B,0x80,0,0, 0xE4,0x40,0,0]))
# 32-bit bitfields with 10-10-10-2 masks in a 56-byte header.
masks = struct.pack('<IIII', 0x3FF00000, 0x000FFC00, 0x000003FF, 0xC0000000)
open(out + '/info56_1010102.bmp', 'wb').write(file_header(70) + info(2, 1, 32, 3, 0, 56) + masks + struct.pack('<II', 0xFFF00200, 0x40000000))
PY

convert -size 16x16 gradient:red-blue -quality 90 JPEG:$jpg/baseline.jpg
convert -size 16x16 gradient:red-blue -interlace JPEG -quality 90 JPEG:$jpg/progressive.jpg
convert -size 16x16 gradient: -colorspace Gray JPEG:$jpg/grey.jpg
convert -size 16x16 gradient:red-blue -colorspace CMYK JPEG:$jpg/cmyk.jpg
convert -size 24x8 gradient:green-yellow -sampling-factor 2x2 -quality 50 JPEG:$jpg/subsampled.jpg
convert -size 17x9 gradient:red-blue -define jpeg:restart-interval=1 JPEG:$jpg/restart.jpg

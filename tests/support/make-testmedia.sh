#!/usr/bin/env bash
# make-testmedia.sh <folder>: a few seconds of test pattern and tone in each
# container that the video and music pages open and that ffmpeg writes, an
# audio-only and a video-only file, a truncated and a garbage file, a small
# picture and an empty one.
set -euo pipefail
out="$1"
mkdir -p "$out"
ff() { /usr/bin/ffmpeg -nostdin -hide_banner -loglevel error -y "$@"; }
video=(-f lavfi -i "testsrc=size=320x240:rate=25:duration=3")
tone=(-f lavfi -i "sine=frequency=440:sample_rate=44100:duration=3")

ff "${video[@]}" "${tone[@]}" -c:v mpeg4 -q:v 5 -c:a pcm_s16le -ac 2 "$out/clip.avi"
ff "${video[@]}" "${tone[@]}" -c:v wmv2 -b:v 800k -c:a wmav2 -b:a 64k "$out/clip.wmv"
ff "${video[@]}" "${tone[@]}" -c:v wmv2 -b:v 800k -c:a wmav2 -b:a 64k -f asf "$out/clip.asf"
ff "${video[@]}" "${tone[@]}" -c:v mpeg1video -b:v 1000k -c:a mp2 -b:a 128k -f mpeg "$out/clip.mpg"
ff "${video[@]}" "${tone[@]}" -c:v mpeg4 -q:v 5 -c:a aac -b:a 96k "$out/clip.mp4"
ff "${video[@]}" "${tone[@]}" -c:v mpeg4 -q:v 5 -c:a aac -b:a 96k "$out/clip.mov"
ff "${video[@]}" "${tone[@]}" -c:v mpeg2video -b:v 1500k -c:a mp2 -b:a 128k -f vob "$out/clip.vob"
ff "${video[@]}" "${tone[@]}" -c:v rv10 -b:v 500k -c:a ac3 -b:a 64k -f rm "$out/clip.rm"
ff "${tone[@]}" -c:a pcm_s16le "$out/tone.wav"
ff "${tone[@]}" -c:a libmp3lame -b:a 128k "$out/tone.mp3"
ff "${tone[@]}" -c:a wmav2 -b:a 64k "$out/tone.wma"
ff "${tone[@]}" -c:a mp2 -b:a 128k -f mp2 "$out/tone.mp2"
ff "${video[@]}" -an -c:v mpeg4 -q:v 5 "$out/silent.avi"
ff "${tone[@]}" -c:a pcm_s16le -f avi "$out/soundonly.avi"
ff -f lavfi -i "testsrc=size=64x48:rate=1:duration=1" -frames:v 1 "$out/picture.bmp"
cp "$out/clip.mpg" "$out/clip.dat"  # a VCD track is an MPEG-1 program stream
# The first 4 KB of a good file, and bytes that are no media at all.
head -c 4096 "$out/clip.avi" > "$out/truncated.avi"
# Fixed noise (a Park-Miller sequence): random bytes from /dev/urandom now
# and then look like a stream to the platform's detector.
LC_ALL=C awk 'BEGIN { x = 20261210; for (i = 0; i < 65536; i++) {
  x = (x * 16807) % 2147483647; printf "%c", 1 + x % 255 } }' > "$out/garbage.avi"
: > "$out/empty.bmp"
# The photo page's five picture types, and noise named as a JPEG.
still=(-f lavfi -i "testsrc=size=320x240:rate=1:duration=1" -frames:v 1)
ff "${still[@]}" "$out/photo.jpg"
ff "${still[@]}" -pix_fmt rgb24 "$out/photo.png"
ff "${still[@]}" "$out/photo.gif"
ff "${still[@]}" -pix_fmt bgr24 "$out/photo.bmp"
ff "${still[@]}" -pix_fmt rgb24 "$out/photo.tif"
# A camera-sized picture, larger than every size the photo page offers.
ff -f lavfi -i "testsrc=size=1280x960:rate=1:duration=1" -frames:v 1 -pix_fmt rgb24 \
  "$out/large.png"
head -c 4096 "$out/garbage.avi" > "$out/corrupt.jpg"
# A camera's turned pictures: the same shown picture (red, green / blue,
# white quarters) stored turned as each Exif orientation 2 to 8 says, with
# that orientation in an Exif block after the start of the JPEG.
shown="$out/shown.png"
/usr/bin/convert -size 24x16 xc:red xc:lime +append \( -size 24x16 xc:blue xc:white +append \) \
  -append "$shown"
with_orientation() {  # <jpeg without Exif> <orientation> <output>
  { head -c 2 "$1"
    printf '\xff\xe1\x00\x22Exif\x00\x00MM\x00\x2a\x00\x00\x00\x08\x00\x01\x01\x12\x00\x03'
    printf '\x00\x00\x00\x01\x00'"\\x0$2"'\x00\x00\x00\x00\x00\x00'
    tail -c +3 "$1"; } > "$3"
}
for turn in "1 -strip" "2 -flop" "3 -rotate 180" "4 -flip" "5 -transpose" "6 -rotate -90" \
            "7 -transverse" "8 -rotate 90"; do
  set -- $turn
  /usr/bin/convert "$shown" "${@:2}" -strip -quality 95 "$out/stored$1.jpg"
  with_orientation "$out/stored$1.jpg" "$1" "$out/oriented$1.jpg"
  rm "$out/stored$1.jpg"
done
rm "$shown"
# Two WAVs of a few samples that the platform's media detector under Wine
# never answers for: 9 samples of mu-law at 8 kHz, and 5 frames of 3-channel
# 24-bit PCM at 8 kHz in a plain (not extensible) format header, the header
# written here since ffmpeg writes an extensible one for 24 bits.
ff -f lavfi -i "sine=frequency=440:sample_rate=8000" -af atrim=end_sample=9 -ac 1 -c:a pcm_mulaw \
  "$out/hang-ulaw.wav"
ff -f lavfi -i "sine=frequency=440:sample_rate=8000" -af atrim=end_sample=5 -ac 3 -f s24le \
  "$out/hang-3ch24.pcm"
{ printf 'RIFF\x52\x00\x00\x00WAVEfmt \x10\x00\x00\x00\x01\x00\x03\x00\x40\x1f\x00\x00'
  printf '\x40\x19\x01\x00\x09\x00\x18\x00data\x2d\x00\x00\x00'
  cat "$out/hang-3ch24.pcm"; printf '\x00'; } > "$out/hang-3ch24.wav"
rm "$out/hang-3ch24.pcm"
# Kinds of files users have, one or two seconds each: old and current video
# codecs and containers, WAVs of every depth, rate and layout, and pictures
# of every kind the photo page opens.
short=(-f lavfi -i "testsrc=size=320x240:rate=25:duration=1.5")
shorttone=(-f lavfi -i "sine=frequency=440:sample_rate=22050:duration=1.5")
ff "${short[@]}" "${shorttone[@]}" -c:v cinepak -c:a pcm_u8 -ac 1 "$out/cinepak.avi"
ff "${short[@]}" "${shorttone[@]}" -c:v mpeg1video -b:v 800k -c:a mp2 -ar 44100 -b:a 128k \
  -f mpeg "$out/mpeg1.mpg"
ff "${short[@]}" "${shorttone[@]}" -c:v mpeg2video -b:v 1200k -c:a mp2 -ar 48000 -b:a 128k \
  -f vob "$out/mpeg2.mpg"
ff "${short[@]}" "${shorttone[@]}" -c:v mjpeg -q:v 5 -pix_fmt yuvj420p -c:a pcm_s16le -f mov \
  "$out/mjpeg.mov"
# A phone's clip: H.264 and AAC in MP4, 16:9.
ff -f lavfi -i "testsrc=size=640x360:rate=30:duration=1.5" "${shorttone[@]}" -c:v libx264 \
  -preset veryfast -pix_fmt yuv420p -c:a aac -ar 44100 -b:a 96k "$out/phone.mp4"
ff -f lavfi -i "testsrc=size=640x360:rate=25:duration=1.5" "${shorttone[@]}" -c:v mpeg4 -q:v 5 \
  -c:a pcm_s16le -ar 44100 "$out/wide.avi"
ff "${short[@]}" -an -c:v mpeg4 -q:v 5 "$out/nosound.avi"
wave() {  # <rate> <duration> <output> <ffmpeg output options...>
  ff -f lavfi -i "sine=frequency=440:sample_rate=$1:duration=$2" "${@:4}" "$3"
}
wave 8000 1.5 "$out/u8-8k-mono.wav" -c:a pcm_u8
wave 11025 1.5 "$out/s16-11k-mono.wav" -c:a pcm_s16le
wave 22050 1.5 "$out/s16-22k-stereo.wav" -c:a pcm_s16le -ac 2
wave 48000 1.5 "$out/s24-48k-stereo.wav" -c:a pcm_s24le -ac 2
wave 44100 1.5 "$out/adpcm.wav" -c:a adpcm_ms -ac 2
wave 44100 1.5 "$out/float.wav" -c:a pcm_f32le -ac 2
wave 44100 1.5 "$out/song.mp3" -c:a libmp3lame -b:a 128k -ac 2
# Float WAVs of ten milliseconds, as sound tools write them: 32-bit at
# 44.1 kHz and 64-bit at 48 kHz (ffmpeg writes both with the extensible
# header).
wave 44100 0.01 "$out/float32-short.wav" -c:a pcm_f32le -ac 2
wave 48000 0.01 "$out/float64-short.wav" -c:a pcm_f64le -ac 2
im() { /usr/bin/convert "$@"; }
im -size 320x240 gradient:red-blue "$out/kind.bmp"
im -size 320x240 gradient:red-blue -quality 90 "$out/kind.jpeg"
im -size 320x240 gradient:red-blue "$out/kind.tiff"
im -size 4000x3000 gradient:yellow-navy -quality 85 "$out/large.jpg"
im -delay 20 -size 120x90 xc:red xc:lime xc:blue -loop 0 "$out/animated.gif"
im -size 200x150 gradient:white-black -depth 16 "PNG48:$out/deep.png"
im -size 300x1 gradient:red-blue -depth 8 "$out/line.png"

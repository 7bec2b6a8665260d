#!/usr/bin/env python3
"""Generate Tabulon's sound and pictures.

Run from the repository root:

    python3 media/make_media.py

It rewrites media/0.wav, media/smile.gif, media/sad.gif,
media/smile@2x.png, media/sad@2x.png, about/logo.gif and
about/logo@2x.png.  Only the standard library and PIL are used, and
the output is the same byte for byte on every run.
"""

import math
import os
import struct
import wave

from PIL import Image, ImageDraw, ImageFont

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
MEDIA = os.path.join(ROOT, "media")
ABOUT = os.path.join(ROOT, "about")

DIALOG_GREY = (0xF0, 0xF0, 0xF0)


# --------------------------------------------------------------------------
# Closing jingle
# --------------------------------------------------------------------------

RATE = 22050


def make_jingle(path):
    """A soft rising C major arpeggio (C5 E5 G5 C6) that rings out."""
    notes = [523.25, 659.26, 783.99, 1046.50]
    step = 0.17          # seconds between note onsets
    length = 1.55        # total length in seconds
    attack = 0.012       # raised-cosine attack, avoids clicks
    decay = 0.32         # exponential decay time constant
    fade = 0.08          # final fade so the file ends at silence

    total = int(length * RATE)
    samples = [0.0] * total
    for n, freq in enumerate(notes):
        start = int(n * step * RATE)
        # the last note rings a little longer
        tau = decay * (1.6 if n == len(notes) - 1 else 1.0)
        for i in range(start, total):
            t = (i - start) / RATE
            if t < attack:
                env = 0.5 - 0.5 * math.cos(math.pi * t / attack)
            else:
                env = math.exp(-(t - attack) / tau)
            ph = 2.0 * math.pi * freq * t
            # mostly sine, a touch of octave and twelfth for a bell-like tone
            tone = (math.sin(ph) + 0.18 * math.sin(2 * ph) * math.exp(-t / 0.12)
                    + 0.06 * math.sin(3 * ph) * math.exp(-t / 0.08))
            samples[i] += env * tone

    fade_n = int(fade * RATE)
    for k in range(fade_n):
        g = 0.5 + 0.5 * math.cos(math.pi * (k + 1) / fade_n)
        samples[total - fade_n + k] *= g

    peak = max(abs(s) for s in samples) or 1.0
    scale = 0.55 * 32767 / peak
    frames = b"".join(struct.pack("<h", int(round(s * scale))) for s in samples)

    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(frames)


# --------------------------------------------------------------------------
# Faces
# --------------------------------------------------------------------------

SUPER = 8


def _thick_arc(draw, box, start, end, width, colour):
    """An arc with round ends."""
    draw.arc(box, start, end, fill=colour, width=width)
    cx = (box[0] + box[2]) / 2.0
    cy = (box[1] + box[3]) / 2.0
    rx = (box[2] - box[0]) / 2.0 - width / 2.0
    ry = (box[3] - box[1]) / 2.0 - width / 2.0
    r = width / 2.0
    for a in (start, end):
        x = cx + rx * math.cos(math.radians(a))
        y = cy + ry * math.sin(math.radians(a))
        draw.ellipse((x - r, y - r, x + r, y + r), fill=colour)


def draw_face(size, happy):
    """Draw a face of size x size pixels, returned as RGBA."""
    s = size * SUPER
    u = s / 29.0          # one pixel of the 29 px face, in drawing units
    img = Image.new("RGBA", (s, s), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)

    if happy:
        face, shade, line = (255, 214, 64), (245, 180, 30), (92, 58, 0)
    else:
        face, shade, line = (150, 196, 245), (105, 156, 222), (22, 52, 102)

    m = 0.6 * u
    outline = 1.7 * u
    d.ellipse((m, m, s - m, s - m), fill=line)
    inner = m + outline
    d.ellipse((inner, inner, s - inner, s - inner), fill=shade)
    # lighter upper-left part gives a little roundness
    off = 1.2 * u
    d.ellipse((inner, inner, s - inner - off, s - inner - off), fill=face)
    # small shine
    d.ellipse((7.0 * u, 5.2 * u, 11.0 * u, 8.0 * u),
              fill=tuple(min(255, c + 45) for c in face) + (255,))

    # eyes
    ew, eh = 2.6 * u, 4.0 * u
    for ex in (10.2 * u, 18.8 * u):
        ey = 11.0 * u
        d.ellipse((ex - ew / 2, ey - eh / 2, ex + ew / 2, ey + eh / 2), fill=line)

    mw = int(round(2.0 * u))
    if happy:
        _thick_arc(d, (7.5 * u, 8.0 * u, 21.5 * u, 22.0 * u), 25, 155, mw, line)
    else:
        _thick_arc(d, (9.0 * u, 18.0 * u, 20.0 * u, 28.0 * u), 210, 330, mw, line)
        # worried brows
        bw = int(round(1.4 * u))
        d.line((7.6 * u, 7.4 * u, 11.6 * u, 6.2 * u), fill=line, width=bw)
        d.line((17.4 * u, 6.2 * u, 21.4 * u, 7.4 * u), fill=line, width=bw)
        # a tear
        tx, ty = 20.0 * u, 16.0 * u
        d.polygon([(tx, ty - 2.6 * u), (tx - 1.25 * u, ty), (tx + 1.25 * u, ty)],
                  fill=(240, 250, 255))
        d.ellipse((tx - 1.3 * u, ty - 1.2 * u, tx + 1.3 * u, ty + 1.4 * u),
                  fill=(240, 250, 255))

    return img.resize((size, size), Image.LANCZOS)


def to_gif_image(rgba, background=DIALOG_GREY, threshold=64):
    """Turn an RGBA picture into a palette image with one transparent index.

    Edge pixels are blended over the dialog grey so the face looks smooth
    both where transparency is honoured and where it is not.
    """
    bg = Image.new("RGBA", rgba.size, background + (255,))
    flat = Image.alpha_composite(bg, rgba).convert("RGB")
    pal = flat.quantize(colors=255, method=Image.MEDIANCUT, dither=Image.NONE)
    palette = pal.getpalette()[:255 * 3]
    palette += [0, 0, 0] * (255 - len(palette) // 3)
    palette += list(background)
    pal.putpalette(palette)
    clear = rgba.getchannel("A").point(lambda a: 255 if a < threshold else 0)
    pal.paste(255, (0, 0), clear)
    pal.info["transparency"] = 255
    return pal


def make_faces():
    for name, happy in (("smile", True), ("sad", False)):
        small = draw_face(29, happy)
        to_gif_image(small).save(os.path.join(MEDIA, name + ".gif"),
                                 transparency=255, optimize=False)
        draw_face(58, happy).save(os.path.join(MEDIA, name + "@2x.png"),
                                  optimize=True)


# --------------------------------------------------------------------------
# Maker's logo
# --------------------------------------------------------------------------

FONTS = [
    "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf",
    "/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf",
    "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
]


def _font(px):
    for path in FONTS:
        if os.path.exists(path):
            return ImageFont.truetype(path, px)
    return None


def draw_logo(scale):
    """The word mark on its ground, 242 x 67 times scale."""
    ss = 4
    f = scale * ss
    w, h = 242 * f, 67 * f
    visible_h = 65 * f      # the frame that shows the logo is 65 px high
    ground = (196, 228, 255)
    red = (214, 28, 36)
    img = Image.new("RGB", (w, h), ground)
    d = ImageDraw.Draw(img)
    text = "Quorvil"

    max_w, max_h = w - 22 * f, visible_h - 14 * f
    font = _font(10)
    if font is None:
        # no TrueType font: draw small and enlarge
        font = ImageFont.load_default()
        box = d.textbbox((0, 0), text, font=font)
        tmp = Image.new("RGB", (box[2] - box[0] + 2, box[3] - box[1] + 2), ground)
        ImageDraw.Draw(tmp).text((1 - box[0], 1 - box[1]), text, font=font, fill=red)
        k = min(max_w / tmp.width, max_h / tmp.height)
        tmp = tmp.resize((int(tmp.width * k), int(tmp.height * k)), Image.NEAREST)
        img.paste(tmp, ((w - tmp.width) // 2, (visible_h - tmp.height) // 2))
    else:
        px = 10
        while True:
            trial = _font(px + 1)
            box = d.textbbox((0, 0), text, font=trial)
            if box[2] - box[0] > max_w or box[3] - box[1] > max_h:
                break
            px += 1
            font = trial
        box = d.textbbox((0, 0), text, font=font)
        x = (w - (box[2] - box[0])) / 2 - box[0]
        y = (visible_h - (box[3] - box[1])) / 2 - box[1]
        # soft darker shadow, then the letters
        sh = 1.5 * f
        d.text((x + sh, y + sh), text, font=font, fill=(150, 190, 228))
        d.text((x, y), text, font=font, fill=red)

    return img.resize((242 * scale, 67 * scale), Image.LANCZOS)


def make_logo():
    small = draw_logo(1)
    small.quantize(colors=256, method=Image.MEDIANCUT, dither=Image.NONE).save(
        os.path.join(ABOUT, "logo.gif"), optimize=False)
    draw_logo(2).save(os.path.join(ABOUT, "logo@2x.png"), optimize=True)


def main():
    os.makedirs(MEDIA, exist_ok=True)
    os.makedirs(ABOUT, exist_ok=True)
    make_jingle(os.path.join(MEDIA, "0.wav"))
    make_faces()
    make_logo()


if __name__ == "__main__":
    main()

"""A small layer over ImageMagick's `convert`: a picture is a list of
drawing steps that is handed to one `convert` call when it is saved.
"""

import subprocess


def pts(points):
    return " ".join("%g,%g" % p for p in points)


class Canvas:
    def __init__(self, width, height, background="white"):
        self.width, self.height = width, height
        self.args = ["-size", "%dx%d" % (width, height), "xc:" + background]

    def copy(self):
        c = Canvas(self.width, self.height)
        c.args = list(self.args)
        return c

    # --- drawing -----------------------------------------------------------
    def draw(self, primitive, fill="none", stroke="none", width=1):
        self.args += ["-fill", fill, "-stroke", stroke, "-strokewidth", str(width), "-draw", primitive]
        return self

    def rect(self, x0, y0, x1, y1, fill, stroke="none", width=1):
        return self.draw("rectangle %g,%g %g,%g" % (x0, y0, x1, y1), fill, stroke, width)

    def round_rect(self, x0, y0, x1, y1, r, fill, stroke="none", width=1):
        return self.draw("roundrectangle %g,%g %g,%g %g,%g" % (x0, y0, x1, y1, r, r), fill, stroke, width)

    def ellipse(self, cx, cy, rx, ry, fill, stroke="none", width=1, start=0, end=360):
        return self.draw("ellipse %g,%g %g,%g %g,%g" % (cx, cy, rx, ry, start, end), fill, stroke, width)

    def circle(self, cx, cy, r, fill, stroke="none", width=1):
        return self.draw("circle %g,%g %g,%g" % (cx, cy, cx + r, cy), fill, stroke, width)

    def poly(self, points, fill, stroke="none", width=1):
        return self.draw("polygon " + pts(points), fill, stroke, width)

    def line(self, x0, y0, x1, y1, stroke, width=1):
        return self.draw("line %g,%g %g,%g" % (x0, y0, x1, y1), "none", stroke, width)

    def polyline(self, points, stroke, width=1):
        return self.draw("polyline " + pts(points), "none", stroke, width)

    def path(self, d, fill="none", stroke="none", width=1):
        return self.draw("path '%s'" % d, fill, stroke, width)

    def text(self, x, y, words, size, color, font="DejaVu-Sans"):
        self.args += ["-font", font, "-pointsize", str(size), "-fill", color, "-stroke", "none",
                      "-annotate", "+%d+%d" % (x, y), words]
        return self

    # --- layers ------------------------------------------------------------
    def gradient(self, x, y, w, h, top, bottom):
        """A vertical gradient from `top` to `bottom` over a rectangle."""
        self.args += ["(", "-size", "%dx%d" % (w, h), "gradient:%s-%s" % (top, bottom), ")",
                      "-geometry", "+%d+%d" % (x, y), "-composite"]
        return self

    def hgradient(self, x, y, w, h, left, right):
        self.args += ["(", "-size", "%dx%d" % (h, w), "gradient:%s-%s" % (right, left), "-rotate", "90", ")",
                      "-geometry", "+%d+%d" % (x, y), "-composite"]
        return self

    def layer(self, build, blur=0):
        """Draws on a transparent sheet of the same size (build gets a Canvas),
        blurs it, and lays it over the picture."""
        sheet = Canvas(self.width, self.height, "none")
        build(sheet)
        self.args += ["("] + sheet.args
        if blur:
            self.args += ["-channel", "RGBA", "-blur", "0x%g" % blur, "+channel"]
        self.args += [")", "-composite"]
        return self

    def tile(self, tile_file):
        """Covers the picture with copies of a picture file from the top-left."""
        self.args += ["(", "-size", "%dx%d" % (self.width, self.height), "tile:" + tile_file, ")",
                      "-geometry", "+0+0", "-composite"]
        return self

    def image(self, picture_file, x, y):
        self.args += ["(", picture_file, ")", "-geometry", "+%d+%d" % (x, y), "-composite"]
        return self

    # --- output ------------------------------------------------------------
    def save(self, path, extra=()):
        subprocess.run(["convert"] + self.args + ["-alpha", "off"] + list(extra) + [path], check=True)
        return path


def run(*args):
    subprocess.run(["convert"] + [str(a) for a in args], check=True)


def crop(source, rect, out, scale=1.0, extra=()):
    """Cuts the rectangle (x, y, w, h) out of a picture, optionally scaled."""
    x, y, w, h = rect
    args = [source, "-crop", "%dx%d+%d+%d" % (w, h, x, y), "+repage"]
    if scale != 1.0:
        args += ["-filter", "Box", "-resize", "%dx%d!" % (round(w * scale), round(h * scale))]
    run(*(args + list(extra) + [out]))
    return out


# Final file formats, as the editor's games hold them.
def to_bmp24(source, out):
    run(source, "-alpha", "off", "-type", "TrueColor", "-compress", "None", "BMP3:" + out)


def to_bmp8(source, out):
    run(source, "-alpha", "off", "-dither", "FloydSteinberg", "-colors", "256", "-type", "Palette",
        "-compress", "None", "BMP3:" + out)


def to_gif(source, out, colors=256):
    run(source, "-alpha", "off", "-dither", "FloydSteinberg", "-colors", str(colors), out)


def to_jpeg(source, out, quality=85):
    run(source, "-alpha", "off", "-strip", "-interlace", "none", "-sampling-factor", "2x2", "-quality",
        str(quality), out)

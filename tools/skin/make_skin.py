#!/usr/bin/python3
"""Draws the default skin: every picture the program loads from its Skin folder.

Run once after changing a picture and commit the result:

    /usr/bin/python3 tools/skin/make_skin.py resources/Skin

Needs Debian's python3-pil and the fonts fonts-liberation (Latin) and fonts-wqy-microhei
(Chinese). The build does not run this script; it only copies resources/ beside the programs.

Colours follow the theme defaults: white pages, 221,217,196 title backgrounds, 237,112,32 and
216,34,40 accents, 215,215,215 lines. Shapes are drawn four times larger and scaled down, which
smooths their edges without leaving see-through pixels in the bitmaps.
"""

import math
import os
import sys

from PIL import Image, ImageDraw, ImageFont

SCALE = 4

WHITE = (255, 255, 255)
TITLE_BK = (221, 217, 196)
ORANGE = (237, 112, 32)
ORANGE_DARK = (196, 84, 16)
RED = (216, 34, 40)
GREEN = (0, 153, 0)
LINE = (215, 215, 215)
EDIT_LINE = (207, 207, 207)
MENU_BK = (244, 242, 235)
MENU_SEPARATOR = (229, 225, 212)
TEXT_DARK = (64, 58, 50)
TEXT_GRAY = (142, 142, 142)
WAIT_BK = (242, 242, 242)

FONT_FILES = {
    "sans": "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf",
    "sans-bold": "/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf",
    "chinese": "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc",
}


def font(kind, size):
    """A font of `size` final pixels, scaled for drawing."""
    path = FONT_FILES[kind]
    if not os.path.exists(path):
        sys.exit(f"missing font {path}: install fonts-liberation and fonts-wqy-microhei")
    return ImageFont.truetype(path, int(round(size * SCALE)))


class Picture:
    """A picture drawn at SCALE times its size in final-pixel coordinates."""

    def __init__(self, width, height, background):
        self.width = width
        self.height = height
        self.image = Image.new("RGB", (width * SCALE, height * SCALE), background)
        self.draw = ImageDraw.Draw(self.image)

    @staticmethod
    def _box(x0, y0, x1, y1):
        return [x0 * SCALE, y0 * SCALE, x1 * SCALE - 1, y1 * SCALE - 1]

    def rect(self, x0, y0, x1, y1, fill):
        self.draw.rectangle(self._box(x0, y0, x1, y1), fill=fill)

    def rounded(self, x0, y0, x1, y1, radius, fill=None, outline=None, width=1):
        self.draw.rounded_rectangle(self._box(x0, y0, x1, y1), radius=radius * SCALE, fill=fill,
                                    outline=outline, width=int(round(width * SCALE)))

    def gradient(self, x0, y0, x1, y1, top, bottom):
        for row in range(int(y0 * SCALE), int(y1 * SCALE)):
            t = (row - y0 * SCALE) / max((y1 - y0) * SCALE - 1, 1)
            color = tuple(int(round(a + (b - a) * t)) for a, b in zip(top, bottom))
            self.draw.line([(x0 * SCALE, row), (x1 * SCALE - 1, row)], fill=color)

    def rounded_gradient(self, x0, y0, x1, y1, radius, top, bottom, outline):
        """A rounded box filled top to bottom from `top` to `bottom` with a border."""
        mask = Image.new("L", self.image.size, 0)
        ImageDraw.Draw(mask).rounded_rectangle(self._box(x0, y0, x1, y1), radius=radius * SCALE,
                                               fill=255)
        fill = Image.new("RGB", self.image.size)
        fill_draw = ImageDraw.Draw(fill)
        for row in range(self.image.size[1]):
            t = min(max((row - y0 * SCALE) / max((y1 - y0) * SCALE - 1, 1), 0.0), 1.0)
            color = tuple(int(round(a + (b - a) * t)) for a, b in zip(top, bottom))
            fill_draw.line([(0, row), (self.image.size[0], row)], fill=color)
        self.image.paste(fill, (0, 0), mask)
        self.rounded(x0, y0, x1, y1, radius, outline=outline)

    def line(self, points, fill, width=1.0):
        scaled = [(x * SCALE, y * SCALE) for x, y in points]
        self.draw.line(scaled, fill=fill, width=int(round(width * SCALE)), joint="curve")
        # Round the ends.
        radius = width * SCALE / 2
        for x, y in (scaled[0], scaled[-1]):
            self.draw.ellipse([x - radius, y - radius, x + radius, y + radius], fill=fill)

    def ellipse(self, cx, cy, rx, ry, fill=None, outline=None, width=1.0):
        self.draw.ellipse([(cx - rx) * SCALE, (cy - ry) * SCALE, (cx + rx) * SCALE,
                           (cy + ry) * SCALE], fill=fill, outline=outline,
                          width=int(round(width * SCALE)))

    def arc(self, cx, cy, r, start, end, fill, width=1.0):
        self.draw.arc([(cx - r) * SCALE, (cy - r) * SCALE, (cx + r) * SCALE, (cy + r) * SCALE],
                      start, end, fill=fill, width=int(round(width * SCALE)))

    def polygon(self, points, fill):
        self.draw.polygon([(x * SCALE, y * SCALE) for x, y in points], fill=fill)

    def text(self, x, y, text, kind, size, fill, anchor="la"):
        self.draw.text((x * SCALE, y * SCALE), text, font=font(kind, size), fill=fill,
                       anchor=anchor)

    def text_width(self, text, kind, size):
        return self.draw.textlength(text, font=font(kind, size)) / SCALE

    def wrapped(self, x, y, width, text, kind, size, fill, line_height):
        """Draws `text` wrapped into `width`; returns the y below the last line."""
        words = list(text) if kind == "chinese" else text.split(" ")
        joiner = "" if kind == "chinese" else " "
        line = ""
        for word in words:
            candidate = word if not line else line + joiner + word
            if self.text_width(candidate, kind, size) > width and line:
                self.text(x, y, line, kind, size, fill)
                y += line_height
                line = word
            else:
                line = candidate
        if line:
            self.text(x, y, line, kind, size, fill)
            y += line_height
        return y

    def result(self, height=None):
        """The picture at its final size; `height` cuts it shorter from the bottom."""
        image = self.image.resize((self.width, self.height), Image.LANCZOS)
        return image if height is None else image.crop((0, 0, self.width, int(height)))


def save_bmp(folder, name, picture):
    picture.convert("RGB").save(os.path.join(folder, name), "BMP")


def save_jpg(folder, name, picture):
    picture.convert("RGB").save(os.path.join(folder, name), "JPEG", quality=92, optimize=True)


def solid(width, height, color):
    return Image.new("RGB", (width, height), color)


# ---------------------------------------------------------------------------------------------
# Glyphs shared by several pictures.

def draw_logo(p, x, y, size):
    """The product mark: an orange rounded square with wireless waves rising from a dot."""
    p.rounded_gradient(x, y, x + size, y + size, size * 0.22, (245, 138, 62), (226, 96, 20),
                       ORANGE_DARK)
    cx = x + size * 0.5
    cy = y + size * 0.68
    p.ellipse(cx, cy, size * 0.075, size * 0.075, fill=WHITE)
    for radius in (0.2, 0.34):
        p.arc(cx, cy, size * radius, 225, 315, WHITE, width=max(size * 0.075, 1.2))


def draw_cross(p, cx, cy, half, color, width):
    p.line([(cx - half, cy - half), (cx + half, cy + half)], color, width)
    p.line([(cx - half, cy + half), (cx + half, cy - half)], color, width)


def draw_magnifier(p, cx, cy, radius, color):
    p.ellipse(cx - 1, cy - 1, radius, radius, outline=color, width=1.6)
    d = radius * 0.72
    p.line([(cx - 1 + d, cy - 1 + d), (cx + radius + 1.5, cy + radius + 1.5)], color, 2.0)


def draw_refresh(p, cx, cy, radius, color, width):
    p.arc(cx, cy, radius, 320, 250, color, width)
    # Arrow head at the end of the arc (250 degrees, pointing along the turn).
    angle = math.radians(250)
    ex = cx + radius * math.cos(angle)
    ey = cy + radius * math.sin(angle)
    size = radius * 0.75
    p.polygon([(ex + size, ey), (ex - size * 0.35, ey - size * 0.8),
               (ex - size * 0.35, ey + size * 0.8)], color)


def draw_pencil(p, cx, cy, length, color):
    angle = math.radians(-45)
    ux, uy = math.cos(angle), math.sin(angle)
    nx, ny = -uy, ux
    half = length / 2
    thick = length * 0.16
    tip = (cx - ux * half, cy - uy * half)
    body_start = (tip[0] + ux * length * 0.25, tip[1] + uy * length * 0.25)
    end = (cx + ux * half, cy + uy * half)
    p.polygon([(body_start[0] + nx * thick, body_start[1] + ny * thick),
               (end[0] + nx * thick, end[1] + ny * thick),
               (end[0] - nx * thick, end[1] - ny * thick),
               (body_start[0] - nx * thick, body_start[1] - ny * thick)], color)
    p.polygon([tip, (body_start[0] + nx * thick, body_start[1] + ny * thick),
               (body_start[0] - nx * thick, body_start[1] - ny * thick)], TEXT_DARK)
    p.line([(cx - length * 0.1, cy + length * 0.42), (cx + length * 0.55, cy + length * 0.42)],
           LINE, 1.0)


def draw_chain(p, cx, cy, color):
    for dx in (-3.2, 3.2):
        p.rounded(cx + dx - 4.5, cy - 2.6, cx + dx + 4.5, cy + 2.6, 2.6, outline=color,
                  width=1.5)


def draw_tower(p, x, ground, height, facing_right, accent):
    """A mast with a panel antenna near its top."""
    p.rect(x - 2, ground - height, x + 2, ground, (150, 146, 132))
    p.rect(x - 9, ground - 3, x + 9, ground, (150, 146, 132))
    panel_x = x + 3 if facing_right else x - 15
    p.rounded(panel_x, ground - height + 4, panel_x + 12, ground - height + 34, 3, fill=WHITE,
              outline=accent, width=2)
    p.rect(panel_x + 4, ground - height + 12, panel_x + 8, ground - height + 26, accent)


def draw_waves(p, cx, cy, facing_right, color, count=3, spacing=9, width=2.4):
    start, end = (-40, 40) if facing_right else (140, 220)
    for i in range(count):
        p.arc(cx, cy, 8 + i * spacing, start, end, color, width)


# ---------------------------------------------------------------------------------------------
# The pictures, by role.

def main_window_background(folder):
    width, height = 1080, 690
    p = Picture(width, height, WHITE)
    p.rect(0, 0, width, 84, TITLE_BK)
    p.rect(0, 84, width, 86, ORANGE)
    p.rect(0, 86, 165, height, MENU_BK)
    p.rect(165, 86, 166, height, LINE)
    draw_logo(p, 24, 21, 42)
    p.text(78, 42, "Brelvo", "sans-bold", 28, TEXT_DARK, anchor="lm")
    save_jpg(folder, "main_bk.jpg", p.result())


def menu_background(folder):
    width, height = 165, 532
    p = Picture(width, height, MENU_BK)
    p.rect(width - 1, 0, width, height, LINE)
    save_jpg(folder, "main_left_bk.jpg", p.result())


def menu_buttons(folder):
    width, height = 158, 40
    normal = Picture(width, height, MENU_BK)
    normal.rect(0, height - 1, width, height, MENU_SEPARATOR)
    down = Picture(width, height, WHITE)
    down.gradient(0, 0, width, height, (255, 255, 255), (250, 247, 240))
    down.rect(0, 0, 4, height, ORANGE)
    down.rect(0, height - 1, width, height, MENU_SEPARATOR)
    normal_image, down_image = normal.result(), down.result()
    for name in ("search", "wireless", "device", "user", "adstragy", "admanagment", "active",
                 "system"):
        save_bmp(folder, f"bt_menu_{name}_normal.bmp", normal_image)
        save_bmp(folder, f"bt_menu_{name}_down.bmp", down_image)


def action_buttons(folder):
    width, height = 90, 28
    plain = Picture(width, height, WHITE)
    plain.rounded_gradient(0, 0, width, height, 4, (255, 255, 255), (234, 230, 216),
                           (190, 184, 160))
    plain_image = plain.result()
    for name in ("search", "delete", "export", "add", "reboot", "restore", "upgrade", "config"):
        save_bmp(folder, f"btn_{name}.bmp", plain_image)
    primary = Picture(width, height, WHITE)
    primary.rounded_gradient(0, 0, width, height, 4, (246, 140, 66), (226, 98, 22), ORANGE_DARK)
    save_bmp(folder, "config_btn.bmp", primary.result())


def refresh_buttons(folder):
    size = 24
    normal = Picture(size, size, WHITE)
    draw_refresh(normal, 12, 12, 6.5, (120, 120, 120), 2.0)
    save_bmp(folder, "btn_update_normal.bmp", normal.result())
    down = Picture(size, size, WHITE)
    down.ellipse(12, 12, 11.5, 11.5, fill=(253, 236, 224))
    draw_refresh(down, 12, 12, 6.5, ORANGE, 2.0)
    save_bmp(folder, "btn_update_down.bmp", down.result())


def caption_buttons(folder):
    glyph = (92, 86, 72)
    close = Picture(20, 20, TITLE_BK)
    draw_cross(close, 10, 10, 4.5, glyph, 1.8)
    save_bmp(folder, "close_normal.bmp", close.result())
    minimise = Picture(20, 20, TITLE_BK)
    minimise.line([(5.5, 13), (14.5, 13)], glyph, 1.8)
    save_bmp(folder, "min_normal.bmp", minimise.result())
    helper = Picture(20, 20, TITLE_BK)
    helper.ellipse(10, 10, 7.5, 7.5, outline=glyph, width=1.5)
    helper.text(10, 10.5, "?", "sans-bold", 11, glyph, anchor="mm")
    save_bmp(folder, "help_normal.bmp", helper.result())

    config = Picture(20, 20, TITLE_BK)
    draw_cross(config, 10, 10, 4.0, (120, 112, 95), 1.6)
    save_bmp(folder, "close_config.bmp", config.result())
    wait = Picture(16, 16, WAIT_BK)
    draw_cross(wait, 8, 8, 3.5, (140, 140, 140), 1.5)
    save_bmp(folder, "close_wait.bmp", wait.result())


def help_menu_pictures(folder):
    product = Picture(16, 16, WHITE)
    product.polygon([(8, 1.5), (14.5, 4.8), (8, 8.1), (1.5, 4.8)], (248, 168, 110))
    product.polygon([(1.5, 4.8), (8, 8.1), (8, 14.5), (1.5, 11.2)], ORANGE)
    product.polygon([(8, 8.1), (14.5, 4.8), (14.5, 11.2), (8, 14.5)], ORANGE_DARK)
    save_bmp(folder, "help_product_normal.bmp", product.result())

    support = Picture(16, 16, WHITE)
    support.ellipse(8, 8, 6.2, 6.2, outline=ORANGE, width=3.2)
    for start in (20, 110, 200, 290):
        support.arc(8, 8, 6.2 - 1.6, start, start + 50, WHITE, 3.2)
    save_bmp(folder, "help_support_normal.bmp", support.result())

    contact = Picture(16, 16, WHITE)
    contact.rounded(1.5, 3.5, 14.5, 12.5, 1.5, fill=WHITE, outline=ORANGE, width=1.4)
    contact.line([(2.3, 4.5), (8, 9), (13.7, 4.5)], ORANGE, 1.3)
    save_bmp(folder, "help_contact_normal.bmp", contact.result())

    helper = Picture(16, 16, WHITE)
    helper.ellipse(8, 8, 7, 7, fill=ORANGE)
    helper.text(8, 8.5, "?", "sans-bold", 11, WHITE, anchor="mm")
    save_bmp(folder, "help_help_normal.bmp", helper.result())


def search_box_ends(folder):
    height = 24
    left = Picture(28, height, WHITE)
    left.rect(0, height - 1, 28, height, EDIT_LINE)
    left.rect(0, height - 7, 1, height, EDIT_LINE)
    draw_magnifier(left, 14, 11.5, 4.8, (150, 150, 150))
    save_bmp(folder, "btn_pie.bmp", left.result())
    right = Picture(10, height, WHITE)
    right.rect(0, height - 1, 10, height, EDIT_LINE)
    right.rect(9, height - 7, 10, height, EDIT_LINE)
    save_bmp(folder, "btn_pie2.bmp", right.result())


def search_animation(folder):
    size, dots, frames = 32, 12, 12
    pictures = []
    for frame in range(frames):
        p = Picture(size, size, WHITE)
        for dot in range(dots):
            age = (frame - dot) % dots  # 0: the leading dot
            if age < 5:
                t = age / 5
                color = tuple(int(round(a + (b - a) * t)) for a, b in zip(ORANGE, (250, 222, 200)))
            else:
                color = (232, 232, 232)
            angle = 2 * math.pi * dot / dots - math.pi / 2
            p.ellipse(16 + 11 * math.cos(angle), 16 + 11 * math.sin(angle), 2.3, 2.3, fill=color)
        pictures.append(p.result().quantize(colors=64, method=Image.Quantize.MEDIANCUT))
    pictures[0].save(os.path.join(folder, "wait_search.gif"), save_all=True,
                     append_images=pictures[1:], duration=80, loop=0, optimize=False,
                     disposal=1)


def bridge_finished(folder):
    width, height = 400, 220
    p = Picture(width, height, WHITE)
    ground = 196
    p.rect(20, ground, width - 20, ground + 2, LINE)
    draw_tower(p, 70, ground, 150, True, ORANGE)
    draw_tower(p, width - 70, ground, 150, False, ORANGE)
    draw_waves(p, 88, 65, True, ORANGE)
    draw_waves(p, width - 88, 65, False, ORANGE)
    for x in range(124, width - 124, 12):
        p.line([(x, 65), (x + 5, 65)], (246, 184, 140), 2)
    p.ellipse(200, 120, 30, 30, fill=GREEN)
    p.line([(186, 121), (196, 131), (215, 109)], WHITE, 6)
    save_jpg(folder, "bridge_finish.jpg", p.result())


def signal_strength(folder):
    colors = {0: LINE, 1: RED, 2: ORANGE, 3: ORANGE, 4: GREEN, 5: GREEN}
    for level in range(6):
        p = Picture(30, 16, WHITE)
        for bar in range(5):
            x = 2 + bar * 6
            top = 15 - 3 * (bar + 1)
            fill = colors[level] if bar < level else LINE
            p.rect(x, top, x + 4, 15, fill)
        save_bmp(folder, f"singal_strength{level}.bmp", p.result())


def wireless_tabs(folder):
    width, height = 90, 30
    selected = Picture(width, height, WHITE)
    selected.rect(0, 0, width, 3, ORANGE)
    selected.rect(0, 3, 1, height, LINE)
    selected.rect(width - 1, 3, width, height, LINE)
    save_bmp(folder, "wireless_basic.bmp", selected.result())
    other = Picture(width, height, (240, 238, 230))
    other.rect(0, 0, width, 1, LINE)
    other.rect(0, 0, 1, height, LINE)
    other.rect(width - 1, 0, width, height, LINE)
    other.rect(0, height - 1, width, height, LINE)
    save_bmp(folder, "wireless_config.bmp", other.result())

    on = Picture(44, 20, WHITE)
    on.rounded(1, 1, 43, 19, 9, fill=GREEN)
    on.ellipse(33, 10, 7, 7, fill=WHITE)
    save_bmp(folder, "wireless_enable.bmp", on.result())
    off = Picture(44, 20, WHITE)
    off.rounded(1, 1, 43, 19, 9, fill=(200, 200, 200))
    off.ellipse(11, 10, 7, 7, fill=WHITE)
    save_bmp(folder, "wireless_disable.bmp", off.result())


def list_pictures(folder):
    """The 50 x 16 pictures of the grids' Operate cells and the configuration pop-ups. White is
    their see-through colour, so nothing inside them is pure white."""
    inside = (253, 240, 230)

    def pill(label, kind):
        p = Picture(50, 16, WHITE)
        p.rounded(0.5, 0.5, 49.5, 15.5, 7.5, fill=inside, outline=ORANGE, width=1)
        size = 10 if kind == "chinese" else 10.5
        p.text(25, 8.2, label, kind if kind == "chinese" else "sans-bold", size, ORANGE_DARK,
               anchor="mm")
        return p.result()

    save_bmp(folder, "web_other.bmp", pill("Web", "sans"))
    save_bmp(folder, "web_chinese.bmp", pill("网页", "chinese"))
    save_bmp(folder, "bridge_other.bmp", pill("Bridge", "sans"))
    save_bmp(folder, "bridge_chinese.bmp", pill("桥接", "chinese"))

    write = Picture(50, 16, WHITE)
    draw_pencil(write, 25, 7.5, 14, ORANGE)
    save_bmp(folder, "write.bmp", write.result())
    url = Picture(50, 16, WHITE)
    draw_chain(url, 25, 8, ORANGE)
    save_bmp(folder, "bt_url.bmp", url.result())


def separators(folder):
    save_bmp(folder, "line.bmp", solid(900, 1, LINE))
    save_bmp(folder, "gray_line.bmp", solid(400, 1, (200, 200, 200)))
    save_bmp(folder, "orange_line.bmp", solid(900, 2, ORANGE))


HELP_TEXTS = {
    "other": {
        "kind": "sans",
        "title": "Installation Guide",
        "diagram": ("Device", "PoE adapter", "PC"),
        "steps": [
            "Connect the device to the POE port of its PoE adapter with an outdoor network "
            "cable, then plug the adapter into the mains. The device starts within a minute.",
            "Connect the LAN port of the PoE adapter to the network port of the PC, directly or "
            "through a switch on the same Ethernet segment.",
            "Give the PC a fixed address in the subnet of the devices, for example "
            "192.168.1.100 with the mask 255.255.255.0. Requests other than the search reach "
            "only devices in one of the PC's own subnets.",
            "Start Brelvo and press Search on the Device status page. Every device on the "
            "segment appears in the list within 30 seconds.",
            "Mount the devices and point their antennas at each other. On the Device bridge "
            "page, pair each station with the access point it found in its site survey.",
        ],
        "tip_title": "If a device does not appear",
        "tip": "Check the cable and the power light of the PoE adapter, make sure no firewall "
               "on the PC blocks the UDP ports 9785 to 9788, and search again.",
    },
    "chinese": {
        "kind": "chinese",
        "title": "安装指南",
        "diagram": ("设备", "PoE 适配器", "电脑"),
        "steps": [
            "用室外网线将设备连接到 PoE 适配器的 POE 口，再给适配器接通电源。设备在一分钟内启动。",
            "将 PoE 适配器的 LAN 口直接或经同一以太网段的交换机连接到电脑的网口。",
            "为电脑设置与设备同一网段的固定地址，例如 192.168.1.100，子网掩码 255.255.255.0。"
            "除搜索外，其他请求只发往电脑所在网段内的设备。",
            "启动 Brelvo，在“设备状态”页面点击“搜索”。网段内的所有设备会在 30 秒内出现在列表中。",
            "安装设备并使天线相互对准。在“设备桥接”页面，将每个终端与其站点扫描找到的接入点配对。",
        ],
        "tip_title": "找不到设备时",
        "tip": "请检查网线和 PoE 适配器的电源指示灯，确认电脑的防火墙没有阻止 UDP 端口 9785 至 9788，"
               "然后重新搜索。",
    },
}


def draw_device(p, x, y):
    """A small outdoor unit on a short pole, seen from the side."""
    p.rect(x + 26, y + 70, x + 32, y + 130, (150, 146, 132))
    p.rounded(x + 8, y, x + 50, y + 74, 8, fill=WHITE, outline=ORANGE, width=3)
    p.rect(x + 22, y + 18, x + 36, y + 54, ORANGE)
    draw_waves(p, x + 54, y + 24, True, ORANGE, count=2, spacing=8, width=2.5)


def draw_adapter(p, x, y):
    p.rounded(x, y, x + 110, y + 60, 8, fill=(247, 245, 238), outline=(150, 146, 132), width=2)
    p.ellipse(x + 96, y + 12, 4, 4, fill=GREEN)
    for offset, label in ((18, "POE"), (66, "LAN")):
        p.rect(x + offset, y + 36, x + offset + 26, y + 54, TEXT_DARK)
        p.rect(x + offset + 6, y + 40, x + offset + 20, y + 50, (90, 90, 90))
        p.text(x + offset + 13, y + 28, label, "sans-bold", 11, TEXT_DARK, anchor="mm")


def draw_laptop(p, x, y):
    p.rounded(x + 10, y, x + 110, y + 66, 5, fill=TEXT_DARK)
    p.rect(x + 16, y + 6, x + 104, y + 60, (214, 230, 240))
    draw_logo(p, x + 48, y + 21, 24)
    p.polygon([(x, y + 70), (x + 120, y + 70), (x + 112, y + 80), (x + 8, y + 80)],
              (150, 146, 132))


def help_picture(folder, variant):
    texts = HELP_TEXTS[variant]
    kind = texts["kind"]
    bold = "chinese" if kind == "chinese" else "sans-bold"
    width, height = 1040, 1400  # cut to the text below
    p = Picture(width, height, WHITE)

    p.rect(0, 0, width, 80, TITLE_BK)
    p.rect(0, 80, width, 83, ORANGE)
    draw_logo(p, 32, 19, 42)
    p.text(90, 40, texts["title"], bold, 30, TEXT_DARK, anchor="lm")

    # The set-up at a glance: device, PoE adapter, PC.
    top = 130
    draw_device(p, 110, top)
    draw_adapter(p, 440, top + 60)
    draw_laptop(p, 800, top + 40)
    cable = (90, 90, 90)
    p.line([(139, top + 130), (139, top + 170), (471, top + 170), (471, top + 114)], cable, 3)
    p.line([(519, top + 114), (519, top + 170), (860, top + 170), (860, top + 120)], cable, 3)
    labels_y = top + 205
    for cx, label in zip((139, 495, 860), texts["diagram"]):
        p.text(cx, labels_y, label, kind, 18, TEXT_GRAY, anchor="mm")

    y = labels_y + 60
    p.rect(60, y, width - 60, y + 1, LINE)
    y += 40
    for number, step in enumerate(texts["steps"], start=1):
        p.ellipse(84, y + 14, 18, 18, fill=ORANGE)
        p.text(84, y + 15, str(number), "sans-bold", 20, WHITE, anchor="mm")
        bottom = p.wrapped(124, y, width - 124 - 80, step, kind, 21, TEXT_DARK, 34)
        y = max(bottom, y + 40) + 34

    box_top = y + 10
    box_bottom = box_top + 150
    p.rounded(60, box_top, width - 60, box_bottom, 10, fill=(253, 244, 236), outline=ORANGE,
              width=2)
    p.text(90, box_top + 34, texts["tip_title"], bold, 22, ORANGE_DARK, anchor="lm")
    p.wrapped(90, box_top + 62, width - 180, texts["tip"], kind, 20, TEXT_DARK, 32)
    save_jpg(folder, f"help_{variant}.jpg", p.result(height=box_bottom + 40))


def application_icon(folder):
    size = 256
    p = Picture(size, size, WHITE)
    image = Image.new("RGBA", (size * SCALE, size * SCALE), (0, 0, 0, 0))
    p.image = image
    p.draw = ImageDraw.Draw(image)
    draw_logo(p, 8, 8, 240)
    icon = p.image.resize((size, size), Image.LANCZOS)
    icon.save(os.path.join(folder, "Application.ico"), format="ICO", bitmap_format="bmp",
              sizes=[(16, 16), (24, 24), (32, 32), (48, 48), (64, 64), (128, 128)])


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_skin.py <Skin folder>")
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    main_window_background(folder)
    menu_background(folder)
    menu_buttons(folder)
    action_buttons(folder)
    refresh_buttons(folder)
    caption_buttons(folder)
    help_menu_pictures(folder)
    search_box_ends(folder)
    search_animation(folder)
    bridge_finished(folder)
    signal_strength(folder)
    wireless_tabs(folder)
    list_pictures(folder)
    separators(folder)
    help_picture(folder, "other")
    help_picture(folder, "chinese")
    application_icon(folder)


if __name__ == "__main__":
    main()

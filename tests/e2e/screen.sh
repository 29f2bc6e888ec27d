# Reading the screen: pixels of screenshots and where the stage is. Sourced by lib.sh and scripts/bench.

# Prints a pixel of a picture as "r,g,b" (0..255).
pixel() {
  convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}

# Finds the stage's white drawing area in a screenshot of a window at (X, Y) and sets SX, SY to
# its top-left corner on the screen. Works whatever caption and frame a skin draws above it.
find_stage_origin() {
  local shot=$1 wx=$2 wy=$3
  local first
  first=$(convert "$shot" -crop "1x120+$((wx + 100))+$wy" +repage txt:- |
    awk -F'[,:]' '/#FFFFFF/ && !found { print $2; found = 1 }')
  [[ -n "$first" ]] || return 1
  SY=$((wy + first))
  first=$(convert "$shot" -crop "120x1+$wx+$((SY + 100))" +repage txt:- |
    awk -F'[,:]' '/#FFFFFF/ && !found { print $1; found = 1 }')
  [[ -n "$first" ]] || return 1
  SX=$((wx + first))
}

# Counts the pixels of a colour (ImageMagick name or #RRGGBB) inside the 510 x 510 stage at SX, SY.
count_stage_pixels() {
  local shot=$1 colour=$2
  convert "$shot" -crop "510x510+$SX+$SY" +repage -alpha off -fill black +opaque "$colour" \
    -fill white -opaque "$colour" -format '%[fx:int(mean*w*h+0.5)]' info:
}

# Counts grey pixels (red, green and blue within 12 of each other, between 60 and 215) in the stage.
count_stage_grey() {
  convert "$1" -crop "510x510+$SX+$SY" +repage -alpha off \
    -fx 'abs(r-g)<0.05 && abs(g-b)<0.05 && r>0.24 && r<0.84 ? 1 : 0' -format '%[fx:int(mean*w*h+0.5)]' info:
}

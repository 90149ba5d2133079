#!/usr/bin/env bash
# Regenerates the committed reference projections from independent implementations: GeographicLib's
# exact transverse Mercator (TransverseMercatorProj) and PROJ's stere and sterea (proj). Needs the
# Debian packages geographiclib-tools and proj-bin; the tests only read the committed files.
set -euo pipefail
cd "$(dirname "$0")"

ellipsoids=("CGCS2000 6378137 298.257222101" "Krassovsky 6378245 298.3" "Xian80 6378140 298.257")

{
  echo "# ellipsoid,a,rf,central_meridian,lat,lon,northing,easting (k0 1, no false offsets, exact TM)"
  for ell in "${ellipsoids[@]}"; do
    read -r name a rf <<<"$ell"
    for cm in 111 117 123; do
      for lat in 18.25 25.5 32.75 39.125 46.5 53.375; do
        for dl in -3 -2.25 -0.75 0 1.5 2.999 -6 -4.5 4 5.999; do
          lon=$(echo "$cm + $dl" | bc -l)
          echo "$lat $lon" | TransverseMercatorProj -l "$cm" -k 1 -e "$a" "1/$rf" -p 6 |
            awk -v n="$name" -v a="$a" -v rf="$rf" -v cm="$cm" -v lat="$lat" -v lon="$lon" \
              '{printf "%s,%s,%s,%s,%s,%s,%s,%s\n", n, a, rf, cm, lat, lon, $2, $1}'
        done
      done
    done
  done
} >transverse_mercator.csv

stereo_row() {  # kind proj a rf lat0 lon0 k0 fn fe lat lon
  local kind=$1 proj=$2 a=$3 rf=$4 lat0=$5 lon0=$6 k0=$7 fn=$8 fe=$9 lat=${10} lon=${11}
  echo "$lon $lat" | proj -f "%.6f" +proj="$proj" +a="$a" +rf="$rf" +lat_0="$lat0" +lon_0="$lon0" +k_0="$k0" \
    +x_0="$fe" +y_0="$fn" +no_defs |
    awk -v r="$kind,$a,$rf,$lat0,$lon0,$k0,$fn,$fe,$lat,$lon" '{printf "%s,%s,%s\n", r, $2, $1}'
}

{
  echo "# type,a,rf,lat0,lon0,k0,false_northing,false_easting,lat,lon,northing,easting (3 = proj stere, 4 = proj sterea)"
  for type in 3 4; do
    proj=stere
    [ "$type" = 4 ] && proj=sterea
    for ell in "${ellipsoids[@]:0:2}"; do
      read -r name a rf <<<"$ell"
      for pt in "31.5 121.25" "30.25 120.5" "33.75 123.5" "29.125 119.75" "32.0 121.25" "36.5 118.0"; do
        read -r lat lon <<<"$pt"
        stereo_row "$type" "$proj" "$a" "$rf" 31.5 121.25 0.9999 100000 200000 "$lat" "$lon"
      done
      for pt in "0.0 110.0" "1.5 111.25" "-2.0 108.5"; do
        read -r lat lon <<<"$pt"
        stereo_row "$type" "$proj" "$a" "$rf" 0 110 1 0 0 "$lat" "$lon"
      done
    done
  done
  for pt in "90 0" "85.5 30" "80.25 -120" "88 179"; do
    read -r lat lon <<<"$pt"
    stereo_row 3 stere 6378137 298.257222101 90 0 0.994 2000000 2000000 "$lat" "$lon"
  done
  for pt in "-90 0" "-85.5 30" "-80.25 -120"; do
    read -r lat lon <<<"$pt"
    stereo_row 3 stere 6378137 298.257222101 -90 0 0.994 2000000 2000000 "$lat" "$lon"
  done
} >stereographic.csv

# The README as the package installs it: its pictures left out, and each link to a file of the
# source as its text alone, as the package holds none of them; a note after the title says so.
/!\[/d
/^|/d
s/\[\([^]]*\)\](\([^):]*\))/\1/g
1a\
\
This copy comes with the Debian package, without the pictures and the pages of the project's\
docs/ folder that it names. The installed references are the man pages oamcalc(1) and\
oamcalc-cli(1).

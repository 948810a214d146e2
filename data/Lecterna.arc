; Archivers that Lecterna runs to list archives and to take one book out of them.
; [Extensions] names, for each file extension, the section that describes its archiver.
; Command templates are split into arguments at spaces before %s is replaced, and run
; directly (never through a shell), so names with spaces need no quotes: keep LongNameSupport=0.

[Extensions]
.zip=Zip
.tar=Tar
.tgz=Tar
.tbz=Tar
.txz=Tar

; unzip -l prints a header, a dashed rule, one line per entry
; ("   1234  2024-01-01 10:00   folder/name of book.txt"), another rule and a total.
[Zip]
ListEngine=unzip
ListCommand=-l %s
ListStart=---------
ListStop=---------
ListItemLen=1
SubDirSupport=1
ListLengthLPos=1
ListNameLPos=4
ListNameRPos=1
ExtractEngine=unzip
ExtractCommand=-o -j -qq %s %s
LongNameSupport=0

; tar -tvf prints "-rw-r--r-- owner/group 1234 2024-01-01 10:00 folder/name of book.txt".
[Tar]
ListEngine=tar
ListCommand=-t -v -f %s
ListItemLen=1
SubDirSupport=1
ListLengthLPos=3
ListNameLPos=6
ListNameRPos=1
ExtractEngine=tar
ExtractCommand=-x -f %s --transform=s,.*/,, %s
LongNameSupport=0

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_CA" sourcelanguage="en">
  <context>
    <name>amortix</name>
    <message>
      <source>Automatic</source>
      <translation type="unfinished" />
    </message>
  </context>
</TS>

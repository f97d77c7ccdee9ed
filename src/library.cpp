// libovle.so is the whole core archive linked into one shared object; this unit only anchors the target.

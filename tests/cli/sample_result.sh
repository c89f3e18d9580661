# Sourced by the CLI tests that start from the sample result: sample_result SCX DATA_DIR WORK RST
# makes the data folder WORK/home (exported as SCX_HOME) with the sample database and the three
# sample PCs' inspection results in CheckOut/IPT, aggregates them into WORK/all.tls and makes the
# result RST from it.
sample_result() {
  local scx=$1 src=$2 work=$3 rst=$4
  export SCX_HOME="$work/home"
  mkdir -p "$SCX_HOME/CheckOut/IPT" "$SCX_HOME/CheckOut/RST"
  "$scx" db build "$src/sampledb" > /dev/null
  for pc in pc1 pc2 pc3; do "$scx" encode "$src/samplepcs/$pc.txt" "$SCX_HOME/CheckOut/IPT/$pc.ipt"; done
  "$scx" aggregate --no -o "$work/all.tls" pc1.ipt pc2.ipt pc3.ipt > /dev/null 2>&1
  "$scx" result -o "$rst" "$work/all.tls" > /dev/null
}
